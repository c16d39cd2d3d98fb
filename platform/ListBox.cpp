#include "platform/ListBox.h"

#include "platform/ControlSetup.h"
#include "platform/FontLines.h"
#include "platform/GlyphText.h"
#include "platform/ListSearch.h"
#include "platform/UnicodeText.h"

#include <QMouseEvent>
#include <QStyledItemDelegate>

#include <cmath>

namespace platform {

namespace {

// Each row is one line of the list's font, whole pixels high. The style's
// own row height depends on the Qt version (Qt 6.8 gives the same font a
// shorter row than Qt 6.4), and with it which rows the list shows where.
class RowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(static_cast<int>(std::ceil(FontLineHeight(option.font))));
        return size;
    }
};

}  // namespace

ListBox::ListBox(const layouts::ControlLayout& layout, const QFont& font, QWidget* parent)
    : QListWidget(parent) {
    SetUpControl(*this, layout, font);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setUniformItemSizes(true);
    setItemDelegate(new RowDelegate(this));
    // "No row" is a chosen state: a list that never had a current row would
    // take the first one when it gains the focus, selecting it unasked.
    setCurrentIndex(QModelIndex());
    connect(this, &QListWidget::currentRowChanged, this, [this](int) {
        if (!settingFromProgram_) emit Click();
    });
}

void ListBox::AddItem(std::string_view glyphCodes) {
    search_.Add(glyphCodes);
    auto* row = new QListWidgetItem(glyphText(glyphCodes));
    row->setData(Qt::AccessibleTextRole, unicodeText(row->text()));  // what a screen reader reads
    addItem(row);
}

std::int16_t ListBox::ListIndex() const {
    const int row = currentRow();
    return row < 0 ? std::int16_t{-1} : static_cast<std::int16_t>(row);
}

void ListBox::setListIndex(std::int16_t index) {
    settingFromProgram_ = true;
    if (index >= 0 && index < count()) {
        setCurrentRow(index);
        scrollToItem(item(index));
    } else {
        setCurrentRow(-1);
        clearSelection();
    }
    settingFromProgram_ = false;
    emit Click();
}

std::int16_t ListBox::FindString(QStringView text) const { return search_.FindListIndex(text); }

void ListBox::mouseMoveEvent(QMouseEvent* event) {
    QListWidget::mouseMoveEvent(event);
    event->accept();
}

}  // namespace platform
