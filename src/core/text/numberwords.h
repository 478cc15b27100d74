#pragma once

#include <QString>

namespace varnik {

enum class WordsLanguage { Polish = 0, English = 1 };

// A number below 1000000000 in words, every word after one space, a negative
// number led by "minus": 1234 in English gives " one thausend two hundred
// thirty four". Throws Error("Sorry - number must be < 1000000000!") for larger
// magnitudes.
QString numberToWords(qint32 number, WordsLanguage language);

} // namespace varnik
