// The Plural-Forms expression of a catalogue: a small recursive-descent parser over the C
// operators gettext allows, with limits on size and depth so a hostile header cannot recurse
// the game to death.
#include "core/plural_forms.h"

#include <cctype>
#include <cstring>

#include "core/i18n.h"

namespace {

constexpr size_t kMaxNodes = 200;
constexpr int kMaxDepth = 40;

struct Parser {
    const std::string& text;
    size_t pos = 0;
    size_t nodes = 0;
    int depth = 0;
    std::string error;

    void Skip() {
        while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) ++pos;
    }
    bool Eat(const char* token) {
        Skip();
        const size_t length = std::strlen(token);
        if (text.compare(pos, length, token) != 0) return false;
        // "<" must not take the first half of "<=", nor "!" of "!=", nor "=" of "==".
        if (length == 1 && pos + 1 < text.size() && text[pos + 1] == '=' && std::strchr("<>!=", token[0])) return false;
        if (length == 1 && pos + 1 < text.size() && text[pos + 1] == token[0] && std::strchr("|&", token[0])) return false;
        pos += length;
        return true;
    }
    std::unique_ptr<PluralNode> Make(PluralNode::Kind kind) {
        if (++nodes > kMaxNodes) {
            if (error.empty()) error = Tr("правило множественного числа слишком длинное");
            return nullptr;
        }
        auto node = std::make_unique<PluralNode>();
        node->kind = kind;
        return node;
    }
    std::unique_ptr<PluralNode> Join(std::unique_ptr<PluralNode> left, const char* op, std::unique_ptr<PluralNode> right) {
        if (!left || !right) return nullptr;
        auto node = Make(PluralNode::Binary);
        if (!node) return nullptr;
        node->op = op;
        node->parts.push_back(std::move(left));
        node->parts.push_back(std::move(right));
        return node;
    }

    std::unique_ptr<PluralNode> Expression() {
        if (++depth > kMaxDepth) {
            return Fail(Mark("в правиле множественного числа слишком глубокая вложенность"));
        }
        auto condition = Binary(0);
        if (condition && Eat("?")) {
            auto yes = Expression();
            if (!yes || !Eat(":")) return Fail(Mark("в правиле множественного числа «?» без «:»"));
            auto no = Expression();
            auto node = no ? Make(PluralNode::Choice) : nullptr;
            if (!node) return nullptr;
            node->parts.push_back(std::move(condition));
            node->parts.push_back(std::move(yes));
            node->parts.push_back(std::move(no));
            condition = std::move(node);
        }
        --depth;
        return condition;
    }

    // Operator levels from the loosest: ||, &&, == !=, < <= > >=, + -, * / %.
    std::unique_ptr<PluralNode> Binary(int level) {
        static const std::vector<std::vector<const char*>> kLevels = {
            {"||"}, {"&&"}, {"==", "!="}, {"<=", ">=", "<", ">"}, {"+", "-"}, {"*", "/", "%"}};
        if (level == static_cast<int>(kLevels.size())) return Unary();
        auto left = Binary(level + 1);
        while (left) {
            const char* found = nullptr;
            for (const char* op : kLevels[level])
                if (Eat(op)) {
                    found = op;
                    break;
                }
            if (!found) break;
            left = Join(std::move(left), found, Binary(level + 1));
        }
        return left;
    }

    std::unique_ptr<PluralNode> Unary() {
        if (Eat("!")) {
            if (++depth > kMaxDepth) return Fail(Mark("в правиле множественного числа слишком глубокая вложенность"));
            auto inner = Unary();
            --depth;
            auto node = inner ? Make(PluralNode::Not) : nullptr;
            if (!node) return nullptr;
            node->parts.push_back(std::move(inner));
            return node;
        }
        if (Eat("(")) {
            auto inner = Expression();
            if (!inner || !Eat(")")) return Fail(Mark("в правиле множественного числа не закрыта скобка"));
            return inner;
        }
        Skip();
        if (pos < text.size() && text[pos] == 'n') {
            ++pos;
            return Make(PluralNode::Variable);
        }
        if (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
            auto node = Make(PluralNode::Number);
            if (!node) return nullptr;
            while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
                if (node->value > 100000000) return Fail(Mark("в правиле множественного числа слишком большое число"));
                node->value = node->value * 10 + static_cast<unsigned long>(text[pos++] - '0');
            }
            return node;
        }
        return Fail(Mark("в правиле множественного числа непонятный знак"));
    }

    std::unique_ptr<PluralNode> Fail(const char* what) {
        if (error.empty()) error = Tr(what);
        return nullptr;
    }
};

unsigned long Evaluate(const PluralNode& node, unsigned long n) {
    switch (node.kind) {
    case PluralNode::Number: return node.value;
    case PluralNode::Variable: return n;
    case PluralNode::Not: return !Evaluate(*node.parts[0], n);
    case PluralNode::Choice:
        return Evaluate(*node.parts[0], n) ? Evaluate(*node.parts[1], n) : Evaluate(*node.parts[2], n);
    case PluralNode::Binary: break;
    }
    const unsigned long a = Evaluate(*node.parts[0], n);
    const std::string& op = node.op;
    if (op == "||") return a || Evaluate(*node.parts[1], n);
    if (op == "&&") return a && Evaluate(*node.parts[1], n);
    const unsigned long b = Evaluate(*node.parts[1], n);
    if (op == "==") return a == b;
    if (op == "!=") return a != b;
    if (op == "<") return a < b;
    if (op == "<=") return a <= b;
    if (op == ">") return a > b;
    if (op == ">=") return a >= b;
    if (op == "+") return a + b;
    if (op == "-") return a - b;
    if (op == "*") return a * b;
    if (op == "/") return b ? a / b : 0;
    return b ? a % b : 0;
}

// Russian and Ukrainian: 1, 21 ... one form; 2-4, 22-24 ... the second; the rest the third.
int RussianIndex(unsigned long n) {
    if (n % 10 == 1 && n % 100 != 11) return 0;
    if (n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 10 || n % 100 >= 20)) return 1;
    return 2;
}

}  // namespace

bool ParsePluralForms(const std::string& header, PluralRule& out, std::string& what) {
    const size_t counted = header.find("nplurals=");
    const size_t rule = header.find("plural=", counted == std::string::npos ? 0 : counted + 9);
    if (counted == std::string::npos || rule == std::string::npos) {
        what = Tr("в правиле множественного числа нет «nplurals=» или «plural=»");
        return false;
    }
    const char digit = counted + 9 < header.size() ? header[counted + 9] : '\0';
    const bool longer = counted + 10 < header.size() && std::isdigit(static_cast<unsigned char>(header[counted + 10]));
    if (digit < '1' || digit > '6' || longer) {
        what = Tr("в правиле множественного числа негодное число форм");
        return false;
    }
    const size_t end = header.find(';', rule);
    const std::string expression = header.substr(rule + 7, end == std::string::npos ? std::string::npos : end - rule - 7);
    Parser parser{expression, 0, 0, 0, ""};
    auto tree = parser.Expression();
    parser.Skip();
    if (tree && parser.pos != expression.size()) tree = parser.Fail(Mark("в правиле множественного числа лишний текст после конца"));
    if (!tree) {
        what = parser.error;
        return false;
    }
    out.count = digit - '0';
    out.rule = std::move(tree);
    return true;
}

int PluralIndex(const PluralRule& rule, unsigned long n) {
    const unsigned long index = rule.rule ? Evaluate(*rule.rule, n) : static_cast<unsigned long>(RussianIndex(n));
    const int last = rule.count > 0 ? rule.count - 1 : 0;
    return index > static_cast<unsigned long>(last) ? last : static_cast<int>(index);
}
