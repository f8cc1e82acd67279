#include "SuggestedOffers.h"

#include <QComboBox>

namespace slovnik {

void showSuggestedOffers(QComboBox &box, const QStringList &offers)
{
    if (offers.isEmpty())
        return;
    QFont suggestion = box.font();
    suggestion.setItalic(true);
    const QString hint = QStringLiteral("Návrh podle podobného slova");
    for (const QString &offer : offers) {
        box.addItem(offer);
        box.setItemData(box.count() - 1, suggestion, Qt::FontRole);
        box.setItemData(box.count() - 1, hint, Qt::ToolTipRole);
    }
    box.setCurrentIndex(-1);
    box.setEditText(QString());
}

} // namespace slovnik
