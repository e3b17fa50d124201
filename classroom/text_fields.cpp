#include "text_fields.h"

#include "task_code.h"

namespace classroom {

bool isPlainField(const QString &text, qsizetype maxLength)
{
    return !bench::hasControlCharacter(text) && bench::characterCount(text) <= maxLength;
}

QString pupilKey(const QString &name)
{
    return name.simplified().normalized(QString::NormalizationForm_C).toCaseFolded();
}

} // namespace classroom
