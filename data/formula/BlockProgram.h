// BlockProgram: a formula muParser has parsed, evaluated over whole columns a block of rows at a
// time. Each operation of muParser's bytecode runs as one loop over the block, so the per-row
// dispatch of muParser's interpreter is paid once per block; long columns are split between the
// processor's cores. Every value is computed by the same operations as muParser's own evaluation, in
// the same order, so the results are identical to the last bit, except that sine and cosine come from
// the block versions (BlockSinCos.h), within 1 ulp of the exact value as the library's are.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include <muParserBase.h>

namespace ov {

// One operation over a block. kPush* put an operand on the stack, the others combine the top ones.
struct BlockOp {
    enum Kind : uint8_t {
        kPushColumn,    // the column `column`
        kPushConstant,  // `value`
        kPushScaled,    // column * value + value2
        kPushPower,     // column to the power `count` (2 to 4, by repeated multiplication)
        kBinary,        // `code`: muParser's operator code of a built-in binary operator
        kFunction,      // `function` of `count` arguments (count < 0: a list of -count arguments)
    };
    Kind kind = kPushConstant;
    int code = 0;
    int column = 0;
    int count = 0;
    double value = 0.0;
    double value2 = 0.0;
    mu::generic_callable_type function{};  // muParser's callable (function and user data)
};

class BlockProgram {
public:
    // Translates the bytecode of the parser's current formula; nothing when it holds an operation
    // the block form does not take (if-then-else, assignments, string or bulk functions, functions
    // without arguments) or names a variable that is not among `variables`. Variable k of the list
    // is column k of Run's inputs. The parser must have evaluated the formula once.
    static std::optional<BlockProgram> FromParser(const mu::ParserBase& parser,
                                                  const std::vector<const double*>& variables);

    // output[i] = the formula with column k at columns[k][i], for i < count. Long columns are shared
    // among threads. False when a function threw (output then holds nothing meaningful).
    bool Run(const std::vector<const double*>& columns, double* output, int64_t count) const;

private:
    bool RunRange(const std::vector<const double*>& columns, double* output, int64_t begin,
                  int64_t end) const;

    std::vector<BlockOp> ops_;
    int depth_ = 0;
};

// Rows from which Run uses several threads; 0 restores the default. Tests lower it, benchmarks
// raise it to measure one thread.
void SetBlockThreadThreshold(int64_t rows);

}  // namespace ov
