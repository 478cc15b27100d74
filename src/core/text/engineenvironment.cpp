#include "core/text/engineenvironment.h"

#include <QRandomGenerator>

namespace varnik {

int EngineEnvironment::randomPercent()
{
    return static_cast<int>(QRandomGenerator::global()->bounded(100));
}

} // namespace varnik
