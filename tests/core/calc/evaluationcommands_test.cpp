#include "core/app/error.h"
#include "core/calc/evaluationcommands.h"

#include <gtest/gtest.h>

#include <functional>

namespace varnik {
namespace {

using Command = std::function<QString(const QString&, QChar)>;

struct Row {
    const char* name;
    const char* input;
    const char* expected; // the replacement, or "error: <message>"
    QChar sep = u'.';
};

QString run(const Command& command, const QString& input, QChar sep)
{
    try {
        return command(input, sep);
    } catch (const Error& e) {
        return QStringLiteral("error: ") + e.message();
    }
}

void runTable(const Command& command, const std::vector<Row>& rows)
{
    for (const Row& r : rows)
        EXPECT_EQ(run(command, QString::fromUtf8(r.input), r.sep).toStdString(), r.expected) << r.name;
}

TEST(EvaluateExpressions, lines)
{
    runTable(
        evaluateExpressions,
        {
            {"results_follow_each_line", "2+3=\r\n10/4", "2+3 = 5\r\n10/4 = 2.5\r\n"},
            {"assignment_feeds_later_lines", "r=2\r\npi*r^2", "r=2\r\npi*r^2 = 12.5663706143592\r\n"},
            {"space_before_deleted_equals_stays",
             "r = 2\r\npi*r^2 =", "r = 2\r\npi*r^2  = 12.5663706143592\r\n"},
            {"fault_marks_the_line", "1/0", "1/0 = [ERROR IN FORMULA]\r\n"},
            {"fault_line_keeps_its_equals", "1/0=", "1/0= = [ERROR IN FORMULA]\r\n"},
            {"computed_line_is_not_evaluated_again", "2+3 = 5", "2+3 = 5\r\n"},
            {"blank_lines_disappear", "1+1\r\n\r\n   \r\n\t\r\n2+2", "1+1 = 2\r\n2+2 = 4\r\n"},
            {"first_definition_stays_in_force", "x = 1\r\nx = 5\r\nx", "x = 1\r\nx = 5\r\nx = 1\r\n"},
            {"pi_cannot_be_redefined", "pi=3\npi", "pi=3\r\npi = 3.14159265358979\r\n"},
            {"e_has_ten_digits", "e^2", "e^2 = 7.38905609643502\r\n"},
            {"unbalanced_formula_is_a_fault", "(1+2", "(1+2 = [ERROR IN FORMULA]\r\n"},
            {"unknown_name_is_a_fault", "q*2", "q*2 = [ERROR IN FORMULA]\r\n"},
            {"unconvertible_number_is_a_fault", "1e5000", "1e5000 = [ERROR IN FORMULA]\r\n"},
            {"name_must_start_with_a_letter", "_a = 3\r\n_a", "_a = 3\r\n_a = [ERROR IN FORMULA]\r\n"},
            {"empty_name_is_ignored", "=3\r\n1", "=3\r\n1 = 1\r\n"},
            {"every_line_break_counts", "1\r2\n3\r\n", "1 = 1\r\n2 = 2\r\n3 = 3\r\n"},
            {"line_is_kept_untrimmed", "  2*3  ", "  2*3   = 6\r\n"},
            {"assignment_value_is_trimmed", "  y =\t-2.5  \r\ny*2", "  y =\t-2.5  \r\ny*2 = -5\r\n"},
            {"names_are_case_insensitive", "Radius=3\r\nRADIUS*radius", "Radius=3\r\nRADIUS*radius = 9\r\n"},
            {"comma_locale_values", "x=1,5\r\nx*2\r\n1/4", "x=1,5\r\nx*2 = 3\r\n1/4 = 0,25\r\n", u','},
        });
}

TEST(EvaluateExpressions, syntaxErrorStopsTheCommand)
{
    const std::string longFormula(70, '1');
    const std::string longShown = "error: Syntax error in formula\r\n" + std::string(57, '1') + "...";
    runTable(evaluateExpressions,
             {
                 {"right_side_not_a_number", "x = 2*3", "error: Syntax error in formula\r\nx  2*3"},
                 {"malformed_number", "1+1\r\n2.", "error: Wrong number."},
                 {"second_equals_stays_in_the_formula", "1+1==", "error: Syntax error in formula\r\n1+1="},
                 {"tab_inside_a_formula", "1\t+1", "error: Syntax error in formula\r\n1\t+1"},
                 {"bare_equals", "=", "error: Syntax error in formula\r\n"},
                 {"text_after_equals_joins_the_formula", "2*3 = \xc5\xbc",
                  "error: Syntax error in formula\r\n2*3  \xc5\xbc"},
                 {"long_formula_is_cut_to_60", (longFormula + "+").c_str(), longShown.c_str()},
             });
}

TEST(EvaluateExpressions, atMost255Names)
{
    // pi and e take two of the 255 places.
    QString input;
    for (int i = 1; i <= 260; ++i)
        input += QStringLiteral("v%1=%1\r\n").arg(i);
    input += QStringLiteral("v253\r\nv254");
    const QString out = evaluateExpressions(input, u'.');
    EXPECT_TRUE(out.startsWith(QStringLiteral("v1=1\r\nv2=2\r\n")));
    EXPECT_TRUE(out.endsWith(QStringLiteral("v260=260\r\nv253 = 253\r\nv254 = [ERROR IN FORMULA]\r\n")))
        << out.right(80).toStdString();
}

TEST(EvaluateExpressions, hundredThousandLines)
{
    QString input;
    QString expected;
    for (int i = 0; i < 100000; ++i) {
        if (i % 1000 == 0) {
            input += QStringLiteral("k%1 = %1\n").arg(i / 1000);
            expected += QStringLiteral("k%1 = %1\r\n").arg(i / 1000);
        }
        input += QStringLiteral("k%1*2+%2\n").arg(i / 1000).arg(i % 7);
        expected += QStringLiteral("k%1*2+%2 = %3\r\n").arg(i / 1000).arg(i % 7).arg(i / 1000 * 2 + i % 7);
    }
    EXPECT_EQ(evaluateExpressions(input, u'.'), expected);
}

TEST(EvaluateEquations, lines)
{
    runTable(
        evaluateEquations,
        {
            {"solution", "2,3,5\r\n1,-1,0",
             "2,3,5\r\n1,-1,0\r\n\r\n2*x+3*y=5\r\n1*x-1*y=0\r\n\r\nSolution: x=1 y=1\r\n"},
            {"dependent_equations", "1,2,3\r\n2,4,6", "1,2,3\r\n2,4,6\r\nNo solution exists.\r\n"},
            {"two_coefficients", "1,2\r\n3,4,5", "1,2\r\n3,4,5\r\nCoefficients not valid.\r\n"},
            {"not_a_number", "1,2,x\r\n3,4,5", "1,2,x\r\n3,4,5\r\nCoefficients not valid.\r\n"},
            {"empty_piece", "2,,5\r\n1,-1,0", "2,,5\r\n1,-1,0\r\nCoefficients not valid.\r\n"},
            {"trailing_comma_adds_nothing", "2,3,5,\r\n1,-1,0",
             "2,3,5,\r\n1,-1,0\r\n\r\n2*x+3*y=5\r\n1*x-1*y=0\r\n\r\nSolution: x=1 y=1\r\n"},
            {"blanks_in_pieces", " 2, 3 ,5 \r\n1, -1, 0\r\n",
             "2, 3 ,5 \r\n1, -1, 0\r\n\r\n2*x+3*y=5\r\n1*x-1*y=0\r\n\r\nSolution: x=1 y=1\r\n"},
            {"three_lines_are_left_trimmed", "\r\n1,2,3\r\n4,5,6\r\n7,8,9\r\n\r\n",
             "1,2,3\r\n4,5,6\r\n7,8,9\r\n"},
            {"one_line_is_left", "1,2,3", "1,2,3\r\n"},
            {"zero_coefficient_gets_a_plus", "1,0,2\r\n0,-2,4",
             "1,0,2\r\n0,-2,4\r\n\r\n1*x+0*y=2\r\n0*x-2*y=4\r\n\r\nSolution: x=2 y=-2\r\n"},
            {"comma_locale_results", "2,0,1\r\n0,4,1",
             "2,0,1\r\n0,4,1\r\n\r\n2*x+0*y=1\r\n0*x+4*y=1\r\n\r\nSolution: x=0,5 y=0,25\r\n", u','},
            {"comma_locale_cannot_write_fractions", "0,5,1,1\r\n1,1,1",
             "0,5,1,1\r\n1,1,1\r\nCoefficients not valid.\r\n", u','},
            {"overflow_stops_the_command", "1e4000,1e4000,1\r\n1e4000,1,1", "error: Floating point overflow"},
        });
}

TEST(EvaluateQuadraticEquation, lines)
{
    runTable(
        evaluateQuadraticEquation,
        {
            {"two_roots", "1,-3,2", "1*x^2-3*x+2=0\r\n\r\ndelta=1\r\n\r\nSolution: x1=2, x2=1\r\n"},
            {"double_root", "1,2,1", "1*x^2+2*x+1=0\r\n\r\ndelta=0\r\n\r\nSolution: x=-1\r\n"},
            {"no_real_root", "1,0,1", "1*x^2+0*x+1=0\r\n\r\ndelta=-4\r\nNo (real) solution exists.\r\n"},
            {"irrational_roots", "1,0,-2",
             "1*x^2+0*x-2=0\r\n\r\ndelta=8\r\n\r\nSolution: x1=1.4142135623731, x2=-1.4142135623731\r\n"},
            {"trimmed_with_blanks", " 2, 4, -6 \r\n",
             "2*x^2+4*x-6=0\r\n\r\ndelta=64\r\n\r\nSolution: x1=1, x2=-3\r\n"},
            {"trailing_comma_adds_nothing", "1,2,1,",
             "1*x^2+2*x+1=0\r\n\r\ndelta=0\r\n\r\nSolution: x=-1\r\n"},
            {"two_coefficients", "1,2", "Coefficients not valid.\r\n"},
            {"four_coefficients", "1,2,3,4", "Coefficients not valid.\r\n"},
            {"not_a_number", "1,b,3", "Coefficients not valid.\r\n"},
            {"two_lines", "1,2,\r\n3", "Coefficients not valid.\r\n"},
            {"comma_locale", "1,-3,2", "1*x^2-3*x+2=0\r\n\r\ndelta=1\r\n\r\nSolution: x1=2, x2=1\r\n", u','},
            {"linear_is_a_fault", "0,2,1", "error: Invalid floating point operation"},
            {"all_zero_is_a_fault", "0,0,0", "error: Invalid floating point operation"},
            {"negative_linear_is_a_fault", "0,-2,1", "error: Floating point division by zero"},
            {"delta_overflows", "1e3000,1e3000,1", "error: Floating point overflow"},
        });
}

} // namespace
} // namespace varnik
