// The game state as JSON: values under dotted paths, written as nested objects.
#include "app/state_dump.h"

#include <cstdio>

#include "app/form.h"
#include "app/frame_loop.h"
#include "app/game_state.h"
#include "app/timing.h"
#include "render/graphics.h"

void StateDump::SetInt(const std::string& path, int64_t value) {
    std::string text = std::to_string(value);
    SetRaw(path, text);
}

void StateDump::SetString(const std::string& path, const std::string& value) {
    if (!values_.count(path)) order_.push_back(path);
    values_[path] = Entry{JsonString(value), value};
}

void StateDump::SetRaw(const std::string& path, const std::string& json) {
    if (!values_.count(path)) order_.push_back(path);
    values_[path] = Entry{json, json};
}

namespace {

// A node of the nested output: a value, or named children in insertion order.
struct Node {
    const std::string* json = nullptr;
    std::vector<std::pair<std::string, Node>> children;

    Node& Child(const std::string& name) {
        for (auto& c : children)
            if (c.first == name) return c.second;
        children.emplace_back(name, Node());
        return children.back().second;
    }
};

void Write(const Node& node, std::string& out, int indent) {
    if (node.children.empty()) {
        out += node.json ? *node.json : "null";
        return;
    }
    out += "{\n";
    for (size_t i = 0; i < node.children.size(); ++i) {
        out.append(indent + 2, ' ');
        out += JsonString(node.children[i].first) + ": ";
        Write(node.children[i].second, out, indent + 2);
        out += i + 1 < node.children.size() ? ",\n" : "\n";
    }
    out.append(indent, ' ');
    out += "}";
}

}  // namespace

std::string StateDump::ToJson() const {
    return ToJsonUnder("");
}

std::string StateDump::ToJsonUnder(const std::string& prefix) const {
    Node root;
    for (const std::string& path : order_) {
        if (!prefix.empty() && path.compare(0, prefix.size(), prefix) != 0) continue;
        std::string rest = path.substr(prefix.size());
        Node* node = &root;
        size_t start = 0;
        for (size_t dot; (dot = rest.find('.', start)) != std::string::npos; start = dot + 1)
            node = &node->Child(rest.substr(start, dot - start));
        node->Child(rest.substr(start)).json = &values_.at(path).json;
    }
    std::string out;
    if (root.children.empty()) return "{}";
    Write(root, out, 0);
    return out;
}

bool StateDump::Lookup(const std::string& path, std::string& out) const {
    auto it = values_.find(path);
    if (it != values_.end()) {
        out = it->second.plain;
        return true;
    }
    // A record asked for as a whole: its fields as an object.
    const std::string prefix = path + ".";
    for (const std::string& p : order_) {
        if (p.compare(0, prefix.size(), prefix) == 0) {
            out = ToJsonUnder(prefix);
            return true;
        }
    }
    return false;
}

std::string JsonString(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

std::string JsonIntArray(const int32_t* values, int count) {
    std::string out = "[";
    for (int i = 0; i < count; ++i) {
        if (i) out += ",";
        out += std::to_string(values[i]);
    }
    return out + "]";
}

void DumpShell(StateDump& dump) {
    dump.SetInt("g_screenState", g_screenState);
    dump.SetInt("g_hotButton", g_hotButton);
    dump.SetInt("g_currentLevel", g_currentLevel);
    dump.SetInt("g_maxCompletedLevel", g_maxCompletedLevel);
    dump.SetInt("g_levelDone", g_levelDone);
    dump.SetInt("g_saveExists", g_saveExists);
    dump.SetString("g_levelPathPrefix", g_levelPathPrefix);
    dump.SetInt("g_clickLatch", g_clickLatch);
    dump.SetInt("g_introActive", g_introActive);
    dump.SetInt("g_cursorX", g_cursorX);
    dump.SetInt("g_cursorY", g_cursorY);
    dump.SetInt("g_hr", g_hr);
    dump.SetInt("g_clearColor", g_clearColor);
    dump.SetInt("g_gameStarted", g_gameStarted ? 1 : 0);
    dump.SetInt("FRunning", Form1 ? Form1->FRunning : 0);
    dump.SetInt("g_drag.state", g_drag.state);
    dump.SetInt("g_drag.homeX", g_drag.homeX);
    dump.SetInt("g_drag.homeY", g_drag.homeY);
    dump.SetInt("g_drag.x", g_drag.x);
    dump.SetInt("g_drag.y", g_drag.y);
    dump.SetInt("g_drag.figure", g_drag.figure);
    dump.SetInt("g_returning", g_returning);
    dump.SetInt("g_dropResolved", g_dropResolved);
    dump.SetInt("g_layerColour", g_layerColour);
    dump.SetInt("g_pulseRising", g_pulseRising);
    dump.SetInt("g_levelLocked", g_levelLocked);
    dump.SetInt("g_fieldRect.left", g_fieldRect.left);
    dump.SetInt("g_fieldRect.right", g_fieldRect.right);
    dump.SetInt("g_fieldRect.top", g_fieldRect.top);
    dump.SetInt("g_fieldRect.bottom", g_fieldRect.bottom);
    dump.SetInt("g_screenWidth", g_screenWidth);
    dump.SetInt("g_screenHeight", g_screenHeight);
    dump.SetInt("g_resolutionIndex", g_resolutionIndex);
    dump.SetInt("g_ticksPerSecond", g_ticksPerSecond);
    dump.SetInt("framesDrawn", g_framesDrawn);
    dump.SetInt("deviceRebuilds", g_deviceRebuilds);
}

StateDump BuildStateDump() {
    StateDump dump;
    DumpShell(dump);
    DumpBox1(dump);
    DumpBox2(dump);
    DumpSound(dump);
    DumpStars(dump);
    DumpMenus(dump);
    DumpModel(dump);
    return dump;
}
