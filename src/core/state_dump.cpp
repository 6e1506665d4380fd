// The game state as JSON: values under dotted paths, written as nested objects.
#include "core/state_dump.h"

#include <cstdio>


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

// A node of the nested output: a value, or named children in insertion order. The name lives
// in the node itself: a pair holding the node would need it complete, which clang refuses.
struct Node {
    std::string name;
    const std::string* json = nullptr;
    std::vector<Node> children;

    Node& Child(const std::string& childName) {
        for (Node& c : children)
            if (c.name == childName) return c;
        children.emplace_back();
        children.back().name = childName;
        return children.back();
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
        out += JsonString(node.children[i].name) + ": ";
        Write(node.children[i], out, indent + 2);
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
