#pragma once
// A top-level window of fixed size with a client area of the form's colour.
// The form owns its components and releases them when it is destroyed.

#include <memory>
#include <string>
#include <vector>

#include "vcl/Font.h"
#include "vcl/Types.h"

class QWidget;

namespace vcl {

class TControl;

class TForm : public TObject {
public:
    TForm();
    ~TForm() override;
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    // Place on the screen and size of the client area; the window cannot be resized.
    void SetBounds(int left, int top, int clientWidth, int clientHeight);
    void SetColor(TColor color);
    TColor Color() const { return color_; }
    TFont* Font() { return &font_; }

    void Show();
    void Close();
    bool Visible() const;
    bool Minimized() const;
    void Minimize();

    // Makes a component that the form owns and releases with itself.
    template <class T, class... Args>
    T* Own(Args&&... args) {
        auto component = std::make_unique<T>(std::forward<Args>(args)...);
        T* raw = component.get();
        components_.push_back(std::move(component));
        return raw;
    }

    // Renders the window as it looks now into a PNG file.
    bool SaveImage(const std::string& path) const;

    QWidget* Widget() const { return widget_; }
    void UpdateTabOrder();

private:
    QWidget* widget_;
    TColor color_ = clBlack;
    TFont font_;
    std::vector<std::unique_ptr<TObject>> components_;
};

}  // namespace vcl
