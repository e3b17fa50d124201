#include "board_code.h"

#include <QRandomGenerator>

namespace classroom {

std::uint32_t SystemRandom::below(std::uint32_t bound)
{
    return QRandomGenerator::system()->bounded(bound);
}

QString proposeBoardCode(RandomSource &random)
{
    QString code;
    for (int i = 0; i < 8; ++i) {
        if (i == 4)
            code += u'-';
        code += QChar(u'0' + char16_t(random.below(10) % 10));
    }
    return code;
}

} // namespace classroom
