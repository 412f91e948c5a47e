#pragma once

#include <functional>
#include <unordered_map>

#include "form/build.h"

class QWidget;
class QtNotebook;

// Makes the page tables' controls as Qt widgets on the notebook's pages,
// each with every property its row gives, a button's clicks handed to
// `press` with the row's handler.
class QtControlFactory final : public ControlFactory {
public:
    QtControlFactory(TForm1& form, QtNotebook& notebook, std::function<void(Handler)> press)
        : form_(form), notebook_(notebook), press_(std::move(press))
    {
    }

    Label* MakeLabel(int page, const ControlRow& row) override;
    EditBox* MakeEditBox(int page, const ControlRow& row) override;
    Button* MakeButton(int page, const ControlRow& row) override;
    BitmapButton* MakeBitmapButton(int page, const ControlRow& row) override;
    Picture* MakePicture(int page, const ControlRow& row) override;

    // Stacks the page's controls, made since the last call, as the form
    // stacks them.
    void StackPage(int page);

private:
    template <class Kind>
    Kind* Place(Kind* control, const ControlRow& row);
    template <class Kind>
    Kind* MakeButtonOf(int page, const ControlRow& row);

    TForm1& form_;
    QtNotebook& notebook_;
    std::function<void(Handler)> press_;
    std::unordered_map<const ControlRow*, QWidget*> made_;
};
