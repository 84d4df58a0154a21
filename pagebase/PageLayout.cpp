#include "pagebase/PageLayout.h"

#include <map>
#include <memory>

#include "pagebase/CDlgCfgBase.h"

namespace mdvr {

namespace {

using ui::Caption;
using ui::ControlDecl;
using ui::ControlKind;

constexpr int kMargin = 12;
constexpr int kPitch = 28;
constexpr int kHeight = 22;
constexpr int kGap = 6;
constexpr int kIndent = 10;     // rows inside a heading's frame
constexpr int kFrameTop = 20;   // a frame's caption line
constexpr int kChoiceWidth = 90;
constexpr int kStaticDrop = 3;
constexpr int kButtonWidth = 30;
constexpr int kSpinWidth = 18;
constexpr int kCustomWidth = 50;  // a combo's custom value: a few digits

bool HasText(const Caption& c) {
    return c.stringId != 0 || (c.literal != nullptr && c.literal[0] != L'\0');
}

ControlKind ControlKindOf(RowKind kind) {
    switch (kind) {
        case RowKind::kCombo: return ControlKind::ComboBox;
        case RowKind::kCheck: return ControlKind::CheckBox;
        case RowKind::kTime: return ControlKind::TimePicker;
        case RowKind::kButton: return ControlKind::Button;
        default: return ControlKind::Edit;
    }
}

class Layouter {
  public:
    explicit Layouter(const PageModel& model)
        : m_model(model),
          m_columnWidth((model.width - kMargin * (ColumnCount() + 1)) / ColumnCount()) {}

    std::vector<ControlDecl> Run() {
        for (size_t i = 0; i < m_model.rows.size(); ++i) PlaceRow(i);
        CloseFrame();
        m_out.insert(m_out.end(), m_model.extras.begin(), m_model.extras.end());
        return std::move(m_out);
    }

  private:
    int ColumnCount() const { return m_model.columnCount > 1 ? m_model.columnCount : 1; }
    int Left() const { return kMargin + m_column * (m_columnWidth + kMargin) + m_indent; }

    // A control bound again (a field of another record layout) is placed by its first row.
    bool IsBoundBefore(size_t index) const {
        const int control = m_model.rows[index].control;
        for (size_t i = 0; i < index && control != 0; ++i) {
            if (m_model.rows[i].control == control) return true;
        }
        return false;
    }

    void PlaceRow(size_t index) {
        const ParamRow& row = m_model.rows[index];
        if (IsBoundBefore(index)) return;
        if (row.kind == RowKind::kHeading) return OpenFrame(row);
        if (!row.sameLine) NewLine();
        if (row.kind == RowKind::kLabel) return PlaceNote(row);
        PlaceCaption(index, row);
        PlaceControl(row);
        if (row.customEdit != 0) {
            Cell({row.customEdit, ControlKind::Edit, {}, ui::kStyleDigitsOnly, {}, row.limit},
                 kCustomWidth);
        }
        if (row.spin != 0) {
            Cell({row.spin, ControlKind::UpDown, {}, ui::kStyleNone, {}, 0, row.SpunEdit()},
                 kSpinWidth);
        }
        if (row.unitId != 0) Cell(Static(row.unitId, row.unit), m_model.columns.unit);
        if (row.hintId != 0) Cell(Static(row.hintId, row.hint), m_model.columns.unit);
        if (row.maskButton != 0) {
            Cell({row.maskButton, ControlKind::Button, {0, L"..."}, ui::kStyleNone, {}},
                 kButtonWidth);
        }
    }

    // A note without text or ID is a blank cell that keeps a header line over its columns.
    void PlaceNote(const ParamRow& row) {
        const int width = row.width != 0 ? row.width : LineWidth();
        if (row.control != 0 || HasText(row.caption)) {
            return Cell(Static(row.control, row.caption), width);
        }
        m_x += width + kGap;
        m_lineUsed = true;
    }

    // The group's check box heads the row (or a line of its own when the group has its own
    // caption); otherwise a static shows the caption. Check boxes caption themselves.
    void PlaceCaption(size_t index, const ParamRow& row) {
        const int group = GroupOpenedBy(m_model, index);
        const bool ownCaption = group >= 0 && static_cast<size_t>(group) < m_model.groupCaptions.size() &&
                                HasText(m_model.groupCaptions[static_cast<size_t>(group)]);
        if (group >= 0) {
            const Caption caption = ownCaption ? m_model.groupCaptions[static_cast<size_t>(group)]
                                               : row.caption;
            Cell(CDlgCfgBase::GroupDecl(group, caption, {}), m_model.columns.label);
            if (!ownCaption) return;
            NewLine();
        }
        if (row.kind == RowKind::kCheck || row.kind == RowKind::kButton) return;
        if (row.sameLine) {
            if (row.labelId != 0) Cell(Static(row.labelId, row.caption), kChoiceWidth);
            return;
        }
        if (HasText(row.caption) || row.labelId != 0) {
            Cell(Static(row.labelId, row.caption), m_model.columns.label);
        } else {
            m_x += m_model.columns.label + kGap;
        }
    }

    void PlaceControl(const ParamRow& row) {
        if (row.kind == RowKind::kRadio) return PlaceRadios(row);
        uint32_t style = row.style;
        if (row.kind == RowKind::kEdit && row.IsNumber()) style |= ui::kStyleDigitsOnly;
        const int width = row.width != 0 ? row.width : m_model.columns.control;
        const bool captioned = row.kind == RowKind::kCheck || row.kind == RowKind::kButton;
        const Caption caption = captioned ? row.caption : Caption{};
        const int limit = row.kind == RowKind::kEdit ? row.limit : 0;
        Cell({row.control, ControlKindOf(row.kind), caption, style, {}, limit}, width);
    }

    void PlaceRadios(const ParamRow& row) {
        const int width = row.width != 0 ? row.width : kChoiceWidth;
        const int offset = m_x - Left();
        for (const Choice& choice : row.choices) {
            const bool first = &choice == row.choices.data();
            if (row.stacked && !first) {
                NewLine();
                m_x = Left() + offset;
            }
            const uint32_t style = first ? row.style | ui::kStyleGroupStart : row.style;
            Cell({choice.controlId, ControlKind::Radio, choice.text, style, {}}, width);
        }
    }

    ControlDecl Static(int id, Caption caption) {
        return {id != 0 ? id : m_nextId++, ControlKind::Static, caption, ui::kStyleNone, {}};
    }

    void Cell(ControlDecl decl, int width) {
        // Statics draw from their top: lowered, their text lines up with the edits' text.
        const int lower = decl.kind == ControlKind::Static ? kStaticDrop : 0;
        decl.place = {m_x, m_y + lower, width, kHeight - lower};
        m_out.push_back(decl);
        m_x += width + kGap;
        m_lineUsed = true;
    }

    int LineWidth() const { return m_columnWidth - m_indent; }

    void NewLine() {
        if (m_lineUsed) m_y += kPitch;
        if (m_y + kHeight > m_model.height - kMargin && m_column + 1 < ColumnCount()) {
            CloseFrame();
            ++m_column;
            m_y = kMargin;
        }
        m_x = Left();
        m_lineUsed = false;
    }

    void OpenFrame(const ParamRow& heading) {
        CloseFrame();
        NewLine();
        m_frame = m_out.size();
        m_out.push_back({heading.control != 0 ? heading.control : m_nextId++,
                         ControlKind::GroupBox,
                         heading.caption,
                         ui::kStyleNone,
                         {Left(), m_y, m_columnWidth, kHeight}});
        m_indent = kIndent;
        m_y += kFrameTop;
        m_x = Left();
    }

    void CloseFrame() {
        if (m_frame == kNoFrame) return;
        ui::Rect& place = m_out[m_frame].place;
        const int contentBottom = m_lineUsed ? m_y + kHeight : m_y - (kPitch - kHeight);
        place.h = contentBottom + kGap - place.y;
        m_y = place.Bottom() + kGap;
        m_lineUsed = false;
        m_frame = kNoFrame;
        m_indent = 0;
    }

    static constexpr size_t kNoFrame = static_cast<size_t>(-1);

    const PageModel& m_model;
    const int m_columnWidth;
    std::vector<ControlDecl> m_out;
    int m_column = 0;
    int m_indent = 0;
    int m_x = kMargin;
    int m_y = kMargin;
    bool m_lineUsed = false;
    size_t m_frame = kNoFrame;
    int m_nextId = kFirstGeneratedId;
};

}  // namespace

int GroupOpenedBy(const PageModel& model, size_t rowIndex) {
    const int group = model.rows[rowIndex].group;
    if (group < 0) return -1;
    for (size_t i = 0; i < rowIndex; ++i) {
        if (model.rows[i].group == group) return -1;
    }
    return group;
}

std::vector<ControlDecl> LayoutPage(const PageModel& model) {
    return Layouter(model).Run();
}

const ui::DialogDecl& PageDecl(const PageModel& model) {
    struct Built {
        std::vector<ControlDecl> controls;
        ui::DialogDecl decl;
    };
    static std::map<const PageModel*, std::unique_ptr<Built>> built;
    std::unique_ptr<Built>& entry = built[&model];
    if (!entry) {
        entry = std::make_unique<Built>();
        entry->controls = LayoutPage(model);
        entry->decl = {model.templateId, model.title, model.width, model.height, entry->controls};
    }
    return entry->decl;
}

}  // namespace mdvr
