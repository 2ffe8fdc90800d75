// The "layers" section of the session's JSON dump.
#include <charconv>
#include <cstdlib>

#include "document/document.h"
#include "document/document_output.h"
#include "frame/host.h"
#include "util/json_writer.h"

namespace drawhost {

std::string FloatText(float value) {
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

namespace {

// Through the float's shortest text, so that 0.1f is written 0.1 and reads
// back as the same float, not as 0.10000000149011612.
void Real(JsonWriter& json, float value) { json.Number(std::strtod(FloatText(value).c_str(), nullptr)); }

void Point(JsonWriter& json, const char* key, const RealPoint& p) {
    json.Key(key);
    json.BeginArray();
    Real(json, p.h);
    Real(json, p.v);
    json.EndArray();
}

void Paint(JsonWriter& json, const PaintColor& c) {
    json.BeginObject();
    switch (c.kind) {
        case kPaintGray:
            json.Field("kind", "gray");
            json.Key("gray");
            Real(json, c.gray);
            break;
        case kPaintRGB:
            json.Field("kind", "rgb");
            json.Key("rgb");
            json.BeginArray();
            Real(json, c.red);
            Real(json, c.green);
            Real(json, c.blue);
            json.EndArray();
            break;
        case kPaintPattern: {
            json.Field("kind", "pattern");
            const Pattern* p = DocumentFindPattern(c.pattern);
            json.Field("pattern", p ? p->name.c_str() : "");
            json.Key("scale");
            json.BeginArray();
            Real(json, c.scaleH);
            Real(json, c.scaleV);
            json.EndArray();
            json.Key("rotation");
            Real(json, c.rotation);
            json.Key("shift");
            json.BeginArray();
            Real(json, c.shiftDistance);
            Real(json, c.shiftAngle);
            json.EndArray();
            json.Field("reflect", c.reflect != 0);
            break;
        }
        default:
            json.Field("kind", "none");
            break;
    }
    json.EndObject();
}

void Style(JsonWriter& json, const PathStyle& s) {
    json.BeginObject();
    json.Field("fillPaint", s.fillPaint != 0);
    json.Key("fill");
    Paint(json, s.fill);
    json.Field("strokePaint", s.strokePaint != 0);
    json.Key("stroke");
    Paint(json, s.stroke.color);
    json.Key("width");
    Real(json, s.stroke.width);
    json.Field("cap", s.stroke.cap);
    json.Field("join", s.stroke.join);
    json.Key("miterLimit");
    Real(json, s.stroke.miterLimit);
    json.EndObject();
}

void WriteArt(JsonWriter& json, const Art& art) {
    json.BeginObject();
    json.Field("kind", art.kind == kArtPath ? "path" : "group");
    json.Field("name", art.name);
    json.Key("tags");
    json.BeginObject();
    for (const auto& [name, value] : art.tags) json.Field(name, value);
    json.EndObject();
    if (art.kind == kArtPath) {
        json.Field("closed", art.closed);
        json.Field("guide", art.guide);
        json.Key("segments");
        json.BeginArray();
        for (const PathSegment& s : art.segments) {
            json.BeginObject();
            Point(json, "p", s.p);
            Point(json, "in", s.in);
            Point(json, "out", s.out);
            json.Field("corner", s.corner != 0);
            json.EndObject();
        }
        json.EndArray();
        json.Key("style");
        Style(json, art.style);
    } else {
        json.Key("children");
        json.BeginArray();
        for (DocId child : art.children)
            if (const Art* c = DocumentArtById(child)) WriteArt(json, *c);
        json.EndArray();
    }
    json.EndObject();
}

struct Registration {
    Registration() { HostAddDumpSection("layers", DocumentWriteLayersJson); }
} registration;

}  // namespace

void DocumentWriteLayersJson(JsonWriter& json) {
    json.BeginArray();
    for (const auto& layer : TheDocument().layers) {
        json.BeginObject();
        json.Field("title", layer->title);
        json.Field("visible", layer->visible);
        json.Field("editable", layer->editable);
        json.Key("art");
        json.BeginArray();
        if (const Art* group = DocumentArtById(layer->group))
            for (DocId child : group->children)
                if (const Art* c = DocumentArtById(child)) WriteArt(json, *c);
        json.EndArray();
        json.EndObject();
    }
    json.EndArray();
}

}  // namespace drawhost
