// The layout tables of the program's windows: one fixed WindowLayout per
// window, built on first use and never changed afterwards.
#pragma once

#include "layouts/Layout.h"

namespace layouts {

const WindowLayout& form1Layout();   // main dictionary window
const WindowLayout& form2Layout();   // on-screen keyboard
const WindowLayout& form3Layout();   // who we are
const WindowLayout& form4Layout();   // help
const WindowLayout& form5Layout();   // terms
const WindowLayout& form7Layout();   // splash
const WindowLayout& form9Layout();   // exit confirmation
const WindowLayout& form10Layout();  // magnifier

}  // namespace layouts
