#include "portalfoldersorder.h"

namespace PortalFoldersOrder {
const QStringList order = {
    QStringLiteral("Мои документы"),        QStringLiteral("Доступно для меня"),
    QStringLiteral("Избранное"),            QStringLiteral("Последние документы"),
    QStringLiteral("Совместный доступ"),    QStringLiteral("Корзина"),
};
}
