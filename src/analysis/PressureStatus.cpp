// Refusal messages of the earth-pressure computations.
#include "analysis/PressureStatus.h"

namespace wall {

std::string_view PressureStatusMessage(PressureStatus status) {
    switch (status) {
        case PressureStatus::kOk:
            return {};
        case PressureStatus::kNoFailurePlane:
            return "土压力无解（找不到闭合的破裂楔体），请检查坡面线段的水平长度(m)、竖直长度(m)"
                   "和墙体高度H(m)";
        case PressureStatus::kSlopeTooSteep:
            return "朗肯土压力假想墙背顶处的填土坡角大于填土内摩擦角，土压力系数无解，请检查坡面线段的坡线仰"
                   "角(度)"
                   "和内摩擦角(度)";
        case PressureStatus::kTooManyPieces:
            return "土层界面、地下水位和面荷载把墙背分成的段数过多，土压力分布图容纳不下，请合并相近的土层";
    }
    return "未知的土压力计算状态";
}

}  // namespace wall
