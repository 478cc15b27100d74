#pragma once

#include "contract/qtprinters.h"
#include "core/app/textedit.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace varnik::test {

// A named way to make a fresh TextEdit; each implementation instantiates the
// contract suite with its own factory.
struct TextEditFactory {
    std::string name;
    std::function<std::unique_ptr<TextEdit>()> make;
};

inline std::string PrintToString(const TextEditFactory& f) { return f.name; }

class TextEditContract : public ::testing::TestWithParam<TextEditFactory> {
protected:
    std::unique_ptr<TextEdit> make(const QString& text = {})
    {
        auto edit = GetParam().make();
        edit->setText(text);
        return edit;
    }
};

} // namespace varnik::test
