// The parts of how assistive technology sees the program that more than one
// file needs: passing events on, and the captions that name controls.
// Accessibility.cpp routes events and builds the windows' and controls'
// interfaces; AccessibleText.cpp the text boxes'; AccessibleList.cpp the
// word list's.
#pragma once

#include <QAccessible>
#include <QList>
#include <QPair>
#include <QString>

class QAccessibleInterface;
class QWidget;

namespace platform {

class ListBox;
class TextBox;

namespace accessible {

// Passes an event on towards assistive technology, past this program's own
// reworking of Qt's events.
void Send(QAccessibleEvent* event);

// The labelled-by and label-for relations of a control or caption
// (see SetLabelledBy in Accessibility.h).
QList<QPair<QAccessibleInterface*, QAccessible::Relation>> LabelRelations(const QWidget& widget,
                                                                          QAccessible::Relation match);

// The description a control takes from the detail that describes it
// (see SetDescribedBy): "caption: text", or empty.
QString DescriptionOf(const QWidget& widget);

// Interfaces, owned by Qt's cache once returned from the factory.
QAccessibleInterface* NewEditorInterface(TextBox& box);
QAccessibleInterface* NewListInterface(ListBox& list);

// Qt's own event about the list, told truthfully (see AccessibleList.cpp).
void RouteListEvent(ListBox& list, QAccessibleEvent* event);

}  // namespace accessible
}  // namespace platform
