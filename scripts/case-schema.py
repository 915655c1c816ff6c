#!/usr/bin/env python3
"""Writes the JSON schema of the text case format (*.wall.json) from `wallcalc fields --json`.

Usage: case-schema.py WALLCALC > docs/case.schema.json
The field names, units, labels and ranges come from the program's own field table, so the schema
cannot fall behind it; a test regenerates it and compares.
"""
import json
import subprocess
import sys

SETTINGS = {
    "checks": {
        "overturning": {"type": "number", "minimum": 1, "maximum": 10, "default": 1.6,
                        "description": "抗倾覆稳定安全系数要求值"},
        "sliding": {"type": "number", "minimum": 1, "maximum": 10, "default": 1.3,
                    "description": "抗滑移稳定安全系数要求值"},
        "seismicOverturning": {"type": "number", "minimum": 1, "maximum": 10, "default": 1.2,
                               "description": "地震作用下抗倾覆稳定安全系数要求值（GB 50023-2009 第4.2.9条）"},
        "seismicSliding": {"type": "number", "minimum": 1, "maximum": 10, "default": 1.1,
                           "description": "地震作用下抗滑移稳定安全系数要求值（GB 50023-2009 第4.2.9条）"},
        "overall": {"type": "number", "minimum": 1, "maximum": 3, "default": 1.3,
                    "description": "整体稳定（圆弧滑动，简化 Bishop 法）安全系数要求值"},
        "seismicOverall": {"type": "number", "minimum": 1, "maximum": 3, "default": 1.1,
                           "description": "地震作用下整体稳定安全系数要求值"},
    },
    "foundation": {
        "fa": {"type": ["number", "null"], "minimum": 0, "maximum": 100000, "default": None,
               "description": "修正后的地基承载力特征值 fa (kPa)；null 或 0：不验算地基承载力"},
        "eccentricityLimit": {"type": "number", "exclusiveMinimum": 0, "maximum": 0.5, "default": 0.25,
                              "description": "基底合力偏心距限值 e0 ≤ eccentricityLimit·B"},
        "seismicFactor": {"type": "number", "minimum": 1, "maximum": 1.5, "default": 1.0,
                          "description": "地基抗震承载力调整系数 ζa（GB 50011-2010 第4.2.3条），faE = ζa·fa"},
        "gamma": {"type": "number", "exclusiveMinimum": 0, "maximum": 40, "default": 18,
                  "description": "基底以下土的重度 γ (kN/m3)，地下水位以下取有效重度"},
        "gammaM": {"type": "number", "exclusiveMinimum": 0, "maximum": 40, "default": 18,
                   "description": "基底以上土的加权平均重度 γm (kN/m3)，地下水位以下取有效重度"},
        "depth": {"type": "number", "minimum": 0, "maximum": 100, "default": 0.5,
                  "description": "基础埋置深度 d (m)，自墙前地面算起"},
        "fak": {"type": "number", "minimum": 0, "maximum": 10000, "default": 0,
                "description": "地基承载力特征值 fak (kPa)；0：不给出。按 GB 50007-2011 第5.2.4条修正得 fa"},
        "etaB": {"type": "number", "minimum": 0, "maximum": 3, "default": 0,
                 "description": "宽度修正系数 ηb（GB 50007-2011 表5.2.4）"},
        "etaD": {"type": "number", "minimum": 1, "maximum": 4.4, "default": 1,
                 "description": "深度修正系数 ηd（GB 50007-2011 表5.2.4）"},
        "cohesion": {"type": ["number", "null"], "minimum": 0, "maximum": 1000, "default": None,
                     "description": "基底以下土的黏聚力标准值 ck (kPa)；与 friction 同时给出时按第5.2.5条求 fa"},
        "friction": {"type": ["number", "null"], "minimum": 0, "maximum": 40, "default": None,
                     "description": "基底以下土的内摩擦角标准值 φk (°)"},
        "sand": {"type": "integer", "enum": [0, 1], "default": 0,
                 "description": "1：砂土，第5.2.5条中基底宽度小于3 m按3 m取值"},
    },
    "water": {
        "behind": {"type": ["number", "null"], "minimum": 0, "maximum": 1000, "default": None,
                   "description": "墙后水位距墙顶深度 (m)；null：无地下水"},
        "front": {"type": ["number", "null"], "minimum": 0, "maximum": 1000, "default": None,
                  "description": "墙前水位距墙底高度 (m)，不高于墙顶；null：墙前无水"},
        "unitWeight": {"type": "number", "exclusiveMinimum": 0, "maximum": 100, "default": 10,
                       "description": "水的重度 γw (kN/m3)"},
        "combined": {"type": "integer", "enum": [0, 1], "default": 0,
                     "description": "0：水土分算；1：水土合算（GB 50007-2011 第9.3.3条）"},
    },
    "seismic": {
        "acceleration": {"type": "number", "minimum": 0, "maximum": 0.4, "default": 0,
                         "description": "设计基本地震加速度 A/g：0（不验算）、0.05、0.10、0.15、0.20、0.30、0.40；"
                                        "其他数值须给出 angle"},
        "angle": {"type": ["number", "null"], "minimum": 0, "maximum": 15, "default": None,
                  "description": "地震角 θ (°)；null：按 A/g 查表"},
        "angleWater": {"type": ["number", "null"], "minimum": 0, "maximum": 15, "default": None,
                       "description": "水下地震角 θw (°)；null：按 A/g 查表"},
        "importance": {"type": "number", "minimum": 0.5, "maximum": 2, "default": 1.0,
                       "description": "重要性修正系数 Ci"},
        "cz": {"type": "number", "minimum": 0.1, "maximum": 1, "default": 0.25,
               "description": "综合影响系数 Cz"},
    },
}


def field_schema(f):
    s = {"type": "integer" if f["integer"] else "number"}
    d = f["domain"]
    if "allowed" in d:
        s["enum"] = d["allowed"]
    # A range holds for every wall type only when every type shows the field; otherwise the
    # program checks it for the types that show it.
    elif len(f["wallTypes"]) == 5 and not f["derived"]:
        for side, closed_key, open_key in (("lower", "minimum", "exclusiveMinimum"),
                                           ("upper", "maximum", "exclusiveMaximum")):
            b = d[side]
            if b is not None:
                s[closed_key if b["closed"] else open_key] = b["value"]
    text = f["label"] or f["name"]
    if f["unit"]:
        text += "，单位 " + f["unit"]
    if f["derived"]:
        text += "（由其他字段计算）"
    s["description"] = text
    return s


def table_schema(rows, columns, text):
    return {"type": "array", "maxItems": rows, "description": text,
            "items": {"type": "array", "maxItems": columns, "items": {"type": "number"}}}


def main():
    fields = json.loads(subprocess.run([sys.argv[1], "fields", "--json"], check=True,
                                       capture_output=True, text=True).stdout)
    wall, soil = {}, {}
    for f in fields:
        if "column" in f or f["name"] == "wallType":
            continue
        record = wall if f["fileOffset"] >= 2848 else soil
        record[f["name"]] = field_schema(f)
    soil["m_afSlope"] = table_schema(50, 6, "坡面表：每行 水平长度(m)、竖直长度(m)、长度(m)、角度(°)；只给前两列时后两列由程序计算")
    soil["m_afLayer"] = table_schema(50, 8, "土层表：每行 重度(kN/m3)、粘聚力(kPa)、内摩擦角(°)")
    schema = {
        "$schema": "https://json-schema.org/draft/2020-12/schema",
        "title": "挡土墙工况（文本格式）",
        "description": "wallcalc 的文本工况文件 *.wall.json。省略的字段取该挡土墙类型的默认值；未知字段、错误类型和超出取值范围的值均被拒绝。",
        "type": "object",
        "additionalProperties": False,
        "required": ["format", "version", "wallType"],
        "properties": {
            "format": {"const": "wallcalc-case"},
            "version": {"const": 1},
            "wallType": {"type": "integer", "enum": [0, 1, 2, 3, 4],
                         "description": "0 重力式，1 半重力式，2 衡重式，3 悬臂式，4 扶壁式"},
            "wall": {"type": "object", "additionalProperties": False, "properties": wall},
            "soil": {"type": "object", "additionalProperties": False, "properties": soil},
            "checks": {"type": "object", "additionalProperties": False, "properties": SETTINGS["checks"]},
            "foundation": {"type": "object", "additionalProperties": False,
                           "properties": SETTINGS["foundation"]},
            "water": {"type": "object", "additionalProperties": False, "properties": SETTINGS["water"]},
            "seismic": {"type": "object", "additionalProperties": False, "properties": SETTINGS["seismic"]},
        },
    }
    json.dump(schema, sys.stdout, ensure_ascii=False, indent=2)
    sys.stdout.write("\n")


if __name__ == "__main__":
    main()
