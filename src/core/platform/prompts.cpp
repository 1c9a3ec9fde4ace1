#include "core/platform/prompts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <cmath>

namespace vorlane {

QFont MessageTitleFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    return font;
}

int MessageBoxMinimumWidth(const Message &message, const QFont &titleFont)
{
    const QFontMetricsF metrics(titleFont);
    return int(std::ceil(metrics.horizontalAdvance(message.title))) + kTitleBarAllowancePx;
}

} // namespace vorlane
