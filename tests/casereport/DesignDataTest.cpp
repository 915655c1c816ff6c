// The design-data section of the default cases, read through the host echo.
#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "case/CaseDefaults.h"
#include "casereport/DesignData.h"

using namespace wall;

namespace {

std::string EchoOfDesignData(const WallCase& c) {
    test::RecordingHost host;
    ReportWriter w(host);
    w.SetEchoMode(2);
    WriteDesignData(w, c);
    return host.echo;
}

// The lines listed for the default counterfort case, in order.
TEST(DesignData, DefaultCounterfort) {
    const std::string expected =
        "1、挡土墙参数\n"
        "\t挡土墙类型：扶壁式挡土墙\n"
        "\t挡土墙的高度：8.00 m\n"
        "\t挡土墙的顶宽：0.30 m\n"
        "\t扶壁间距：3.00 m\n"
        "\t扶壁板厚：0.20 m\n"
        "\t\t墙趾宽度：1.50 m\n"
        "\t\t墙趾高度：0.60 m\n"
        "\t\t墙踵宽度：2.70 m\n"
        "\t\t墙踵高度：0.60 m\n"
        "\t墙体材料的容重：24.00 kN/m3\n"
        "\t墙背面与挡土之间的摩擦角：δ=10 °\n"
        "\t墙底与基土的摩擦系数：μ=0.60\n"
        "2、配筋计算参数\n"
        "\t混凝土强度等级：C20\n"
        "\t钢筋级别：HRB335\n"
        "\t裂缝计算钢筋等效直径：10.00 mm\n"
        "\t混凝土保护层厚度：20.00 mm\n"
        "\t裂缝控制宽度：0.20 mm\n"
        "3、土坡及荷载参数\n"
        "\t坡面线段数：1\n"
        "\t坡面序号\t水平长度(m)\t竖直长度(m)\n"
        "\t\t1\t\t\t5.00\t\t\t1.00\n"
        "\t面荷载距墙体水平距离：0.00 m\n"
        "\t面荷载分布宽度：4.00 m\n"
        "\t面荷载值：BP=10.00 kPa";
    EXPECT_EQ(EchoOfDesignData(DefaultCase(kCounterfort)), expected);
}

// No counterfort, toe, heel or reinforcement lines; the three batters and both allowable stresses.
TEST(DesignData, DefaultGravity) {
    const std::string expected =
        "1、挡土墙参数\n"
        "\t挡土墙类型：重力式挡土墙\n"
        "\t挡土墙的高度：10.00 m\n"
        "\t挡土墙的顶宽：2.00 m\n"
        "\t墙胸倾斜坡度： 1:0.25\n"
        "\t墙背倾斜坡度： 1:0.25\n"
        "\t墙底逆坡坡度： 0.25:1\n"
        "\t墙体材料的容重：24.00 kN/m3\n"
        "\t墙背面与挡土之间的摩擦角：δ=15 °\n"
        "\t墙底与基土的摩擦系数：μ=0.60\n"
        "\t墙身砌体允许压应力：σ=1000.00 kPa\n"
        "\t墙身砌体允许剪应力：τ=1000.00 kPa\n"
        "2、土坡及荷载参数\n"
        "\t坡面线段数：1\n"
        "\t坡面序号\t水平长度(m)\t竖直长度(m)\n"
        "\t\t1\t\t\t5.00\t\t\t1.00\n"
        "\t面荷载距墙体水平距离：0.00 m\n"
        "\t面荷载分布宽度：4.00 m\n"
        "\t面荷载值：BP=10.00 kPa";
    EXPECT_EQ(EchoOfDesignData(DefaultCase(kGravity)), expected);
}

TEST(DesignData, ConditionalLines) {
    struct Row {
        const char* what;
        int type;
        float toeHeight, heelHeight;
        int segments;
        const char* present;
        const char* absent;
    };
    const Row rows[] = {
        {"toe height 0.0001 omits the toe", kGravity, 0.0001f, 0, 1, "", "墙趾宽度"},
        {"toe height 0.0002 writes the toe", kGravity, 0.0002f, 0, 1, "\t\t墙趾高度：0.00 m\n", ""},
        {"semi-gravity never writes the heel", kSemiGravity, 0.4f, 5, 1, "墙趾宽度", "墙踵"},
        {"shelf lists platform under the heel labels", kShelf, 0.7f, 3.18f, 1, "\t\t墙踵高度：3.18 m\n",
         "\t墙背倾斜坡度"},
        {"two segments write two rows", kGravity, 0, 0, 2, "\t\t2\t\t\t5.00\t\t\t1.00\n", ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        WallCase c = DefaultCase(r.type);
        c.wall.m_fToeHeight = r.toeHeight;
        c.wall.m_fHeelHeight = r.heelHeight;
        c.soil.m_nSlopeSegs = r.segments;
        c.soil.m_nSlopeRows = r.segments + 1;
        std::string echo = EchoOfDesignData(c);
        if (*r.present) {
            EXPECT_NE(echo.find(r.present), std::string::npos) << echo;
        }
        if (*r.absent) {
            EXPECT_EQ(echo.find(r.absent), std::string::npos) << echo;
        }
    }
}

// The soil data: design basis for reinforced walls, heading, table title and the 2 x 4 table
// echoed with four spaces between cells.
TEST(DesignData, SoilDataOfCounterfortAndGravity) {
    for (int type : {kCounterfort, kGravity}) {
        test::RecordingHost host;
        ReportWriter w(host);
        w.SetEchoMode(2);
        WriteSoilData(w, DefaultCase(type));
        std::string expected =
            type == kCounterfort
                ? "\n钢筋混凝土配筋计算依据：《混凝土结构设计规范》（GB 50010-2010）\n\n4、土层信息：\n"
                : "\n3、土层信息：\n";
        expected +=
            "土层参数表格\n"
            "土层序号    重度(kN/m3)    粘聚力(kPa)    内摩擦角(度)\r\n"
            "1    17.00    0.00    30.00";
        EXPECT_EQ(host.echo, expected) << type;
    }
}

}  // namespace
