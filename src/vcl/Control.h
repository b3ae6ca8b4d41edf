#pragma once
// The base of every visible control: a place on its form, an enabled and a
// visible state, a tab position and a cursor.

#include <string>

#include "vcl/Types.h"

class QWidget;

namespace vcl {

class TForm;

class TControl : public TObject {
public:
    ~TControl() override;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    std::string Name;

    void SetBounds(int left, int top, int width, int height);
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;

    bool Enabled() const;
    virtual void SetEnabled(bool enabled);
    bool Visible() const;
    void SetVisible(bool visible);
    void SetCursor(TCursor cursor);
    TCursor Cursor() const { return cursor_; }
    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int order);  // the form puts its controls into this order

    QWidget* Widget() const { return widget_; }

protected:
    // Takes ownership of the widget and puts it on the form's client area.
    TControl(TForm* parent, QWidget* widget);

private:
    QWidget* widget_;
    TForm* parent_;
    TCursor cursor_ = TCursor::crDefault;
    int tabOrder_ = -1;
};

}  // namespace vcl
