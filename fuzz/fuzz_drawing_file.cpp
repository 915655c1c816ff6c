// Fuzzes the drawing-file reader: any bytes give a clear refusal or a canvas that writes back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "drawing/DrawingCanvas.h"
#include "drawing/SvgDevice.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    wall::DrawingCanvas canvas;
    wall::DrawingIoResult r = wall::DecodeDrawing({data, size}, "fuzz.kst", canvas);
    if (!r.ok()) {
        if (r.message.empty()) std::abort();
        return 0;
    }
    // A file read whole writes back to as many bytes (erased records are dropped, so at most).
    wall::DrawingFileStream out;
    canvas.Serialize(out);
    if (out.bytes().size() > size) std::abort();
    // Whatever it holds paints without a fault.
    canvas.SetDeviceRect(0, 0, 200, 200);
    wall::SvgDevice svg;
    svg.BeginPicture(200, 200);
    canvas.Paint(svg, 0, 0, 0);
    svg.EndPicture();
    return 0;
}
