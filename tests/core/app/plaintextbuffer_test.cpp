#include "contract/texteditcontract.h"
#include "core/app/plaintextbuffer.h"

namespace varnik::test {

INSTANTIATE_TEST_SUITE_P(PlainTextBuffer, TextEditContract,
                         ::testing::Values(TextEditFactory{
                             "PlainTextBuffer",
                             [] { return std::unique_ptr<TextEdit>(new PlainTextBuffer); }}),
                         [](const auto& info) { return info.param.name; });

} // namespace varnik::test
