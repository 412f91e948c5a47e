#include "form/build.h"

#include "form/tform1.h"

namespace {

struct Maker {
    TForm1& form;
    ControlFactory& factory;
    int page;
    const ControlRow& row;

    void operator()(Label* TForm1::*member) const { form.*member = factory.MakeLabel(page, row); }
    void operator()(EditBox* TForm1::*member) const { form.*member = factory.MakeEditBox(page, row); }
    void operator()(Button* TForm1::*member) const { form.*member = factory.MakeButton(page, row); }
    void operator()(BitmapButton* TForm1::*member) const { form.*member = factory.MakeBitmapButton(page, row); }
    void operator()(Picture* TForm1::*member) const { form.*member = factory.MakePicture(page, row); }
};

}  // namespace

void BuildPage(TForm1& form, ControlFactory& factory, int page)
{
    for (const ControlRow& row : form.Design().pages[std::size_t(page)].rows)
        std::visit(Maker{form, factory, page, row}, row.member);
}
