// A list box of glyph-code rows. Setting ListIndex from the program raises
// Click at once, inside the setter, exactly as a user's selection does.
#pragma once

#include "layouts/Layout.h"
#include "platform/ListSearch.h"

#include <QListWidget>
#include <QStringView>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class ListBox : public QListWidget {
    Q_OBJECT
public:
    ListBox(const layouts::ControlLayout& layout, const QFont& font, QWidget* parent);

    // Appends a row of glyph-code text (rows are never sorted).
    void AddItem(std::string_view glyphCodes);

    // -1: no row selected.
    std::int16_t ListIndex() const;
    void setListIndex(std::int16_t index);

    // The list's prefix search from the top (see ListSearch.h): a row, or -1.
    std::int16_t FindString(QStringView text) const;

signals:
    void Click();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    ListSearch search_;
    bool settingFromProgram_ = false;
};

}  // namespace platform
