#include "core/app/error.h"
#include "core/calc/calcexpress.h"
#include "core/calc/floattext.h"

#include <gtest/gtest.h>

#include <numbers>
#include <vector>

namespace varnik {
namespace {

const QString kSyntax = QStringLiteral("syntax: ");
const QString kInvalid = QStringLiteral("calc: Invalid floating point operation");
const QString kZero = QStringLiteral("calc: Floating point division by zero");
const QString kOverflow = QStringLiteral("calc: Floating point overflow");
const QString kUnbalanced = QStringLiteral("calc: Unbalanced parentheses");
const QString kWrongNumber = QStringLiteral("syntax: Wrong number.");

// Names and values every table row can use.
const QStringList kNames{"pi", "e", "x", "y", "r", "zero", "a_1"};
const std::vector<long double> kValues{std::numbers::pi_v<long double>, 2.718281828L, 2, -9, 2, 0, 7};

// What the user would see: the 15-digit result, or where and why it failed.
QString outcome(const QString& formula, QChar sep = u'.', const QStringList& names = kNames,
                const std::vector<long double>& values = kValues)
{
    CalcExpress c(sep);
    c.setVariables(names);
    try {
        c.setFormula(formula);
    } catch (const Error& e) {
        return kSyntax + e.message();
    }
    try {
        return formatFloat(c.calc(values), sep);
    } catch (const Error& e) {
        return QStringLiteral("calc: ") + e.message();
    }
}

struct Row {
    const char* name;
    const char* formula;
    QString expected;
};

void runTable(const std::vector<Row>& rows, QChar sep = u'.')
{
    for (const Row& r : rows)
        EXPECT_EQ(outcome(QString::fromUtf8(r.formula), sep), r.expected) << r.name << ": " << r.formula;
}

TEST(CalcExpress, precedenceAndAssociativity)
{
    runTable({
        {"products_before_sums", "2+3*4", "14"},
        {"sums_chain_left", "10-4-3", "3"},
        {"quotients_chain_left", "64/4/2", "8"},
        {"mixed_chain_left", "8/2*4", "16"},
        {"powers_chain_left", "2^3^2", "64"},
        {"power_of_parenthesis", "(1+2)^2", "9"},
        {"power_of_function", "sin(1)^2", "0.708073418273571"},
        {"power_binds_tighter_than_product", "3*2^2", "12"},
        {"spaces_are_skipped", "  2 ^ 3 *  ( 1 + 1 ) ", "16"},
        {"nested_functions", "sqrt(abs(y))+sgn(y)", "2"},
        {"variable_exponent", "2^x", "4"},
        {"parenthesised_variable_exponent", "2^(x)", "4"},
        {"negative_number_exponent_in_parentheses", "2^(-1)", "0.5"},
        {"zero_exponent", "x^0", "1"},
    });
}

TEST(CalcExpress, unarySigns)
{
    runTable({
        {"negation_covers_power", "-x^2", "-4"},
        {"negation_covers_product", "-x*x+1", "-3"},
        {"negation_stops_at_sum", "-x+5", "3"},
        {"minus_digit_is_negative_number", "-2*3", "-6"},
        {"negative_number_base_is_invalid", "-2^2", kInvalid},
        {"minus_space_digit_is_negation", "- 2^2", "-4"},
        {"minus_after_parenthesis_is_negative_number", "2*(-3)", "-6"},
        {"negation_after_parenthesis", "(-x)*3", "-6"},
        {"minus_then_plus", "-+1", "-1"},
        {"leading_plus", "+1", "1"},
        {"negated_parenthesis", "-(-1)", "1"},
        {"subtraction_of_negative", "1-(-2)", "3"},
        {"plus_then_minus", "+-1", kSyntax},
        {"double_minus_at_start", "--1", kSyntax},
        {"sign_after_product", "2*-3", kSyntax},
        {"sign_after_sum", "2+-3", kSyntax},
        {"sign_after_difference", "2--3", kSyntax},
        {"plus_after_sum", "2++3", kSyntax},
        {"minus_in_exponent", "2^-1", kSyntax},
        {"negated_variable_in_exponent", "2^(-x)", kSyntax},
        {"negative_argument", "heaviside(-1)", "0"},
    });
}

TEST(CalcExpress, syntaxErrors)
{
    runTable({
        {"empty", "", kSyntax},
        {"only_spaces", "   ", kSyntax},
        {"function_without_parenthesis", "sin 1", kSyntax},
        {"implicit_product", "2(3)", kSyntax},
        {"two_numbers", "1 2", kSyntax},
        {"two_variables", "x y", kSyntax},
        {"empty_parentheses", "()", kSyntax},
        {"function_called_twice", "sin(1)(2)", kSyntax},
        {"bare_function_name", "exp", kSyntax},
        {"expression_exponent", "2^(1+1)", kSyntax},
        {"function_exponent", "2^sin(1)", kSyntax},
        {"double_parenthesised_exponent", "2^((2))", kSyntax},
        {"unclosed_exponent", "2^(x", kSyntax},
        {"trailing_operator", "1+", kSyntax},
        {"tab_is_not_a_blank", "1\t+2", kSyntax},
        {"comma_with_point_separator", "1,5", kSyntax},
        {"leading_separator", ".5", kSyntax},
        {"non_ascii_letter", "\xc4\x85+1", kSyntax},
        {"non_ascii_capital_is_not_lowered", "\xc3\x89", kSyntax},
        {"point_only", "1.", kWrongNumber},
        {"point_then_letter", "1.e5", kWrongNumber},
        {"bare_exponent", "1e", kWrongNumber},
        {"signed_bare_exponent", "1e+", kWrongNumber},
        {"exponent_then_letter", "2ex", kWrongNumber},
        {"malformed_number_after_the_error_is_not_scanned", "1 2 3.", kSyntax},
        {"malformed_number_read_as_next_token", "1 2.", kWrongNumber},
        {"first_error_wins", "2. + @", kWrongNumber},
    });
}

TEST(CalcExpress, numbers)
{
    runTable({
        {"exponent", "2e3", "2000"},
        {"capital_exponent", "2E3", "2000"},
        {"signed_exponent", "2e-3", "0.002"},
        {"plus_exponent", "2e+3", "2000"},
        {"decimal", "1.25*4", "5"},
        {"huge_number_does_not_convert", "1e5000", "calc: '1e5000' is not a valid floating point value"},
        {"tiny_number_underflows_silently", "1e-5000", "0"},
        {"extended_range", "1e4000*1e-3990", "10000000000"},
        {"variable_with_underscore_and_digit", "a_1*2", "14"},
        {"capitals_are_lowered", "SIN(PI/2)", "1"},
    });
}

TEST(CalcExpress, decimalCommaLocale)
{
    runTable(
        {
            {"comma_number", "1,5*2", "3"},
            {"comma_result", "1/4", "0,25"},
            {"point_is_a_bad_character", "1.5", kSyntax},
            {"comma_without_digit", "1,", kWrongNumber},
            {"negative_comma_number", "(-0,5)*4", "-2"},
        },
        u',');
}

TEST(CalcExpress, functions)
{
    runTable({
        {"cos", "cos(0)", "1"},
        {"sin", "sin(pi/6)", "0.5"},
        {"tg", "tg(1)", "1.5574077246549"},
        {"ctg", "ctg(1)", "0.642092615934331"},
        {"abs", "abs(y)", "9"},
        {"sgn_negative", "sgn(y)", "-1"},
        {"sgn_zero", "sgn(0)", "0"},
        {"sign_alias", "sign(3)", "1"},
        {"sqrt", "sqrt(16)", "4"},
        {"ln", "ln(e)", "0.999999999831127"},
        {"log", "log(1000)", "3"},
        {"exp", "exp(1)", "2.71828182845905"},
        {"arcsin", "arcsin(0.5)", "0.523598775598299"},
        {"arccos", "arccos(0.5)", "1.0471975511966"},
        {"arccos_of_negative_is_negative", "arccos(-0.5)", "-1.0471975511966"},
        {"arctg", "arctg(1)", "0.785398163397448"},
        {"arcctg", "arcctg(0)", "1.5707963267949"},
        {"sh", "sh(1)", "1.1752011936438"},
        {"ch", "ch(0)", "1"},
        {"th", "th(1)", "0.761594155955765"},
        {"cth", "cth(1)", "1.31303528549933"},
        {"heaviside_zero", "heaviside(0)", "1"},
        {"heaviside_negative", "heaviside(0-1)", "0"},
        {"silnia", "silnia(5)", "120"},
        {"silnia_zero", "silnia(0)", "1"},
        {"silnia_one", "silnia(1)", "1"},
        {"silnia_fraction", "silnia(2.5)", "0"},
        {"silnia_negative", "silnia(-3)", "0"},
        {"silnia_last_finite", "silnia(1754)", "1.97926189010501E4930"},
        {"huge_angle_counts_as_zero", "sin(1e19)+cos(1e19)", "0"},
        {"e_is_the_given_value", "e^2", "7.38905609643502"},
    });
}

TEST(CalcExpress, faults)
{
    runTable({
        {"division_by_zero", "1/0", kZero},
        {"zero_by_zero", "0/0", kInvalid},
        {"zero_base", "0^2", kZero},
        {"zero_base_zero_exponent", "zero^0", kZero},
        {"ctg_zero", "ctg(0)", kZero},
        {"cth_zero", "cth(0)", kZero},
        {"ln_zero", "ln(0)", kZero},
        {"log_zero", "log(0)", kZero},
        {"arcsin_one", "arcsin(1)", kZero},
        {"arccos_zero", "arccos(0)", kZero},
        {"sqrt_negative", "sqrt(-1)", kInvalid},
        {"ln_negative", "ln(-1)", kInvalid},
        {"log_negative", "log(-1)", kInvalid},
        {"arcsin_above_one", "arcsin(2)", kInvalid},
        {"arccos_above_one", "arccos(2)", kInvalid},
        {"tg_of_huge_angle", "tg(1e19)", kInvalid},
        {"th_exponential_overflows", "th(20000)", kOverflow},
        {"sh_exponential_overflows", "sh(20000)", kOverflow},
        {"sh_negative_overflows_too", "sh(-20000)", kOverflow},
        {"ch_overflows", "ch(20000)", kOverflow},
        {"exp_overflows", "exp(11357)", kOverflow},
        {"exp_underflow_is_silent", "exp(-20000)", "0"},
        {"product_overflows", "1e4000*1e4000", kOverflow},
        {"sum_overflows", "1e4932+1e4932", kOverflow},
        {"quotient_overflows", "1e4000/1e-4000", kOverflow},
        {"power_overflows", "10^5000", kOverflow},
        {"silnia_overflows", "silnia(1755)", kOverflow},
        {"silnia_huge", "silnia(1e9)", kOverflow},
        {"silnia_beyond_integer_steps", "silnia(1e30)", kOverflow},
        {"left_operand_faults_first", "1/0+0/0", kZero},
        {"left_operand_faults_first_2", "0/0+1/0", kInvalid},
        {"unknown_variable", "q+1", "calc: Unknown variable 'q'"},
        {"unbalanced_open", "(1+2", kUnbalanced},
        {"unbalanced_close", "1+2)", kUnbalanced},
        {"unbalanced_function", "sin(1", kUnbalanced},
        {"surplus_close_hides_rest", "1)@", kUnbalanced},
    });
}

TEST(CalcExpress, freshEvaluatorHoldsZero)
{
    const CalcExpress c;
    EXPECT_EQ(c.formula(), QStringLiteral("0"));
    EXPECT_TRUE(c.variables().isEmpty());
    EXPECT_TRUE(c.hasTree());
    EXPECT_EQ(c.calc({}), 0);
}

TEST(CalcExpress, syntaxErrorKeepsTextAndLeavesNoTree)
{
    CalcExpress c;
    EXPECT_THROW(c.setFormula(QStringLiteral("SIN 1")), Error);
    EXPECT_EQ(c.formula(), QStringLiteral("sin 1"));
    EXPECT_TRUE(c.hasError());
    EXPECT_FALSE(c.hasTree());
    EXPECT_THROW(c.calc({}), Error);
    // Reassigning the names parses the stored formula again, failing the same way.
    try {
        c.setVariables({QStringLiteral("x")});
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.message(), QString());
    }
    c.setFormula(QStringLiteral("2*3"));
    EXPECT_FALSE(c.hasError());
    EXPECT_EQ(c.calc({}), 6);
}

TEST(CalcExpress, unbalancedFormulaRaisesOnlyAtCalc)
{
    CalcExpress c;
    EXPECT_NO_THROW(c.setFormula(QStringLiteral("((1)")));
    EXPECT_FALSE(c.hasError());
    EXPECT_FALSE(c.hasTree());
    EXPECT_THROW(c.calc({}), Error);
}

TEST(CalcExpress, variablesAreResolvedAgainWhenTheListChanges)
{
    CalcExpress c;
    c.setFormula(QStringLiteral("a+1"));
    EXPECT_THROW(c.calc({}), Error);
    c.setVariables({QStringLiteral("a")});
    const long double five[] = {5};
    EXPECT_EQ(c.calc(five), 6);
    c.setVariables({QStringLiteral("b"), QStringLiteral("A"), QStringLiteral("a")});
    const long double three[] = {1, 7, 100};
    EXPECT_EQ(c.calc(three), 8) << "case-insensitive, first match wins";
}

TEST(CalcExpress, missingValueIsAnErrorNotARead)
{
    CalcExpress c;
    c.setVariables({QStringLiteral("a"), QStringLiteral("b")});
    c.setFormula(QStringLiteral("b*a"));
    const long double one[] = {1};
    try {
        c.calc(one);
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.message(), QStringLiteral("No value for variable 'b'"));
    }
}

TEST(CalcExpress, faultLeavesTheFormulaUsable)
{
    CalcExpress c;
    c.setVariables({QStringLiteral("x")});
    c.setFormula(QStringLiteral("1/x"));
    const long double zero[] = {0}, two[] = {2};
    EXPECT_THROW(c.calc(zero), Error);
    EXPECT_EQ(c.calc(two), 0.5L);
}

TEST(CalcExpress, quietNaNAndInfinityInputsPassWithoutFault)
{
    CalcExpress c;
    c.setVariables({QStringLiteral("x")});
    c.setFormula(QStringLiteral("x*2+1"));
    const long double inf[] = {std::numeric_limits<long double>::infinity()};
    const long double nan[] = {std::numeric_limits<long double>::quiet_NaN()};
    EXPECT_EQ(c.calc(inf), inf[0]);
    EXPECT_TRUE(std::isnan(c.calc(nan)));
    c.setFormula(QStringLiteral("x-x"));
    EXPECT_THROW(c.calc(inf), Error) << "infinity minus infinity is an invalid operation";
}

TEST(CalcExpress, resultsUseFullExtendedPrecision)
{
    CalcExpress c;
    c.setFormula(QStringLiteral("1/3"));
    EXPECT_EQ(c.calc({}), 1.0L / 3);
    c.setFormula(QStringLiteral("0.1+0.2"));
    EXPECT_EQ(c.calc({}), 0.1L + 0.2L);
    c.setFormula(QStringLiteral("silnia(25)"));
    EXPECT_EQ(c.calc({}), 15511210043330985984000000.0L);
}

TEST(CalcExpress, sinAndCosTogetherGiveTheSameValuesAsAlone)
{
    const long double xs[] = {0.5L, -1.25L, 3, 100, 1e10L, 1e18L, 0x1p63L, -0x1p63L, 1e-300L};
    CalcExpress together, sinAlone, cosAlone;
    for (CalcExpress* c : {&together, &sinAlone, &cosAlone})
        c->setVariables({QStringLiteral("x")});
    together.setFormula(QStringLiteral("sin(x)*cos(x)"));
    sinAlone.setFormula(QStringLiteral("sin(x)"));
    cosAlone.setFormula(QStringLiteral("cos(x)"));
    for (long double x : xs) {
        const long double v[] = {x};
        EXPECT_EQ(together.calc(v), sinAlone.calc(v) * cosAlone.calc(v)) << double(x);
    }
    // Zeros of either sign are different arguments.
    CalcExpress c;
    c.setVariables({QStringLiteral("a"), QStringLiteral("b")});
    c.setFormula(QStringLiteral("(sin(a)+1)*sin(b)*cos(a)"));
    const long double zeros[] = {0.0L, -0.0L};
    EXPECT_TRUE(std::signbit(c.calc(zeros)));
}

} // namespace
} // namespace varnik
