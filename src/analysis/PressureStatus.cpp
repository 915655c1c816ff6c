// Refusal messages of the earth-pressure computations.
#include "analysis/PressureStatus.h"

namespace wall {

std::string_view PressureStatusMessage(PressureStatus status) {
    switch (status) {
        case PressureStatus::kOk:
            return {};
        case PressureStatus::kWedgeTooSteep:
            return "填土内摩擦角、墙背倾角与墙背摩擦角之和超过90°，库伦土压力无解，请检查墙背倾斜坡度(1:m)、"
                   "墙背与填土之间的摩擦角δ(°)和内摩擦角(度)";
    }
    return "未知的土压力计算状态";
}

}  // namespace wall
