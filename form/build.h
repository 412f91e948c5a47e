#pragma once

#include "form/controls.h"
#include "form/layout.h"

class TForm1;

// What a front end makes of a page's rows: one control of the row's kind,
// with every property the row gives (a button's click wired to
// TForm1::Dispatch of the row's handler), on the page of that index.
class ControlFactory {
public:
    virtual ~ControlFactory() = default;
    virtual Label* MakeLabel(int page, const ControlRow& row) = 0;
    virtual EditBox* MakeEditBox(int page, const ControlRow& row) = 0;
    virtual Button* MakeButton(int page, const ControlRow& row) = 0;
    virtual BitmapButton* MakeBitmapButton(int page, const ControlRow& row) = 0;
    virtual Picture* MakePicture(int page, const ControlRow& row) = 0;
};

// Builds the controls of one page, in the layout's order, into the form's members.
void BuildPage(TForm1& form, ControlFactory& factory, int page);
