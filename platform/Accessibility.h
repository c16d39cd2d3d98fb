// How assistive technology sees the program: windows as frames or dialogs
// named by their caption, labels as static text, every control with a click
// handler as a push button (underlined ones as links) with a press action
// that does what a click does. Shapes are decoration and stay hidden. Text
// boxes and the word list read in Unicode Bengali, and what changes in them
// is told as it happened: the characters typed or deleted, and focus only
// where the keyboard focus is.
#pragma once

class QWidget;

namespace platform {

// Installs the interfaces; safe to call more than once. Windows call it
// when they are created.
void InstallAccessibility();

// The caption `label` on the window names `control` (a relation, as a
// screen reader reads it: "Origin", then what the origin says).
void SetLabelledBy(QWidget& control, QWidget& label);

// `detail` (itself named by its caption) describes `control`: a reader
// that reaches the control also hears "Origin: " and what the origin says.
// For a detail that the keyboard never reaches.
void SetDescribedBy(QWidget& control, QWidget& detail);

}  // namespace platform
