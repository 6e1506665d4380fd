#pragma once
// The plural rule of a catalogue: the C expression of its "Plural-Forms" header, e.g.
// "nplurals=3; plural=(n%10==1 && n%100!=11 ? 0 : ...);", parsed into a small tree and
// evaluated for each number shown.
#include <memory>
#include <string>
#include <vector>

struct PluralNode {
    enum Kind { Number, Variable, Not, Binary, Choice } kind = Number;
    std::string op;              // for Binary: "||" "&&" "==" "!=" "<" "<=" ">" ">=" "+" "-" "*" "/" "%"
    unsigned long value = 0;     // for Number
    std::vector<std::unique_ptr<PluralNode>> parts;
};

struct PluralRule {
    int count = 3;                       // nplurals
    std::shared_ptr<PluralNode> rule;    // nullptr: the Russian rule
};

// Parses the value of a Plural-Forms header. False with `what` set on anything malformed
// (unknown token, unbalanced brackets, nesting too deep, nplurals outside 1..6).
bool ParsePluralForms(const std::string& header, PluralRule& out, std::string& what);
// The form index for n, always in 0..count-1 (an index the rule gives outside that is taken
// as the last form; division by zero gives 0).
int PluralIndex(const PluralRule& rule, unsigned long n);
