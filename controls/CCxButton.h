#pragma once
// A skinned push button: the theme's images per state where the theme folder has them, else a
// drawn look in the theme's colours; the caption in the theme's normal and hover text colours.
#include <string>
#include <string_view>

#include "text/CPathManager.h"
#include "ui/IControlBehavior.h"

namespace mdvr {

struct ButtonImages {
    std::wstring normal;
    std::wstring hover;
    std::wstring pressed;
    std::wstring disabled;
    friend bool operator==(const ButtonImages&, const ButtonImages&) = default;
};

class CCxButton : public ui::IControlBehavior {
  public:
    explicit CCxButton(const CPathManager& theme = CPathManager::Instance());
    virtual ~CCxButton() = default;

    // Names given, with pressed falling back to hover and disabled to normal; the defaults
    // when normal or hover is missing.
    static ButtonImages ResolveImages(const ButtonImages& given, const ButtonImages& defaults);

    void OnAttached(ui::IView& view, int id) override;
    bool OnInput(ui::IView& /*view*/, const ui::Notification& /*n*/) override { return false; }

    virtual void SetImages(std::wstring_view normal, std::wstring_view hover,
                           std::wstring_view pressed, std::wstring_view disabled);
    // Images, and when scale is set, the button resized for a screen above 96 DPI.
    void Setup(const ButtonImages& images, bool scale);
    void SetText(std::wstring_view text);
    const ButtonImages& Images() const { return m_images; }

  protected:
    virtual ButtonImages DefaultImages() const;
    // Hands the images to the backend: a file the theme folder lacks is drawn instead.
    virtual void ApplyImages();

    ui::IView* m_view = nullptr;
    int m_id = 0;

  private:
    std::wstring ThemeFile(const std::wstring& name) const;

    const CPathManager& m_theme;
    ButtonImages m_images;
    bool m_applied = false;  // m_images reached the view
};

}  // namespace mdvr
