#include "ui/page_window.h"

#include "app/lifecycle.h"
#include "app/page_flow.h"
#include "ui/gradient.h"
#include "ui/page_frame.h"
#include "ui/tab_order.h"

namespace {

constexpr int kMaxGradientRows = 400;

plat::ControlKind NativeKind(Kind kind) {
  switch (kind) {
    case Kind::透明标签:
      return plat::ControlKind::TransparentLabel;
    case Kind::标签:
      return plat::ControlKind::GradientLabel;
    case Kind::按钮:
      return plat::ControlKind::Button;
    case Kind::编辑框:
      return plat::ControlKind::EditBox;
    case Kind::图片框:
      return plat::ControlKind::PictureBox;
    case Kind::分组框:
    case Kind::时钟:
      break;
  }
  return plat::ControlKind::GroupBox;
}

plat::Handle CreateOne(plat::Handle page, plat::Handle parent, int index, const ControlDef& def) {
  uint32_t rows[kMaxGradientRows];
  int row_count = 0;
  if (def.kind == Kind::标签 && def.place.height <= kMaxGradientRows &&
      GradientRowsTopDown(def.gradient, def.place.height, rows)) {
    row_count = def.place.height;
  }
  plat::ControlSpec spec = {};
  spec.kind = NativeKind(def.kind);
  spec.place = def.place;
  spec.disabled = def.disabled;
  spec.focusable = def.focusable;
  spec.text = def.text;
  spec.font = def.font;
  spec.text_colour = def.text_colour;
  spec.etched = def.etched;
  spec.spread = def.spread;
  spec.align = def.align;
  spec.word_wrap = def.word_wrap;
  spec.valign = def.valign;
  spec.rows = row_count ? rows : nullptr;
  spec.row_count = row_count;
  spec.multi_line = def.multi_line;
  spec.read_only = def.read_only;
  spec.picture = def.picture;
  spec.picture_format = def.picture_format;
  spec.stretch = def.stretch;
  return plat::CreateControl(page, parent, index + 1, spec);
}

// Controls are created in list order; one nested in a control listed after it waits for its
// container, which keeps the list order among siblings.
void CreateControls(PageSlot& slot, const PageDef& def) {
  bool created[kMaxControls] = {};
  for (bool progress = true; progress;) {
    progress = false;
    for (int i = 0; i < def.count; ++i) {
      const ControlDef& control = def.controls[i];
      if (created[i] || (control.parent >= 0 && !created[control.parent])) continue;
      created[i] = progress = true;
      if (control.kind == Kind::时钟) continue;
      plat::Handle parent = control.parent >= 0 ? slot.controls[control.parent] : slot.window;
      slot.controls[i] = CreateOne(slot.window, parent, i, control);
    }
  }
}

bool Eligible(const PageSlot& slot, const ControlDef& def, int index) {
  plat::Handle handle = slot.controls[index];
  return handle && def.focusable && def.visible && plat::IsWindowEnabled(handle);
}

}  // namespace

bool CreatePageWindow(Program& program, WizardPageId page) {
  const PageDef& def = PageDefinition(page);
  PageSlot& slot = program.page(page);
  plat::PageSpec spec = {kPageTitle, CentredPlace(plat::ScreenSize()), kIconName, &OnPageEvent,
                         &program};
  slot.window = plat::CreatePage(spec);
  if (!slot.window) return false;
  slot.destroy_pending = false;
  for (int i = 0; i < kMaxControls; ++i) slot.controls[i] = 0, slot.timer_period[i] = 0;
  CreateControls(slot, def);
  for (int i = 0; i < def.count; ++i) {
    if (def.controls[i].kind == Kind::时钟) {
      SetPeriod(program, page, i, def.controls[i].period);
    } else if (slot.controls[i]) {
      plat::ShowControl(slot.controls[i], def.controls[i].visible);
    }
  }
  return true;
}

void FocusFirstControl(Program& program, WizardPageId page) {
  const PageDef& def = PageDefinition(page);
  PageSlot& slot = program.page(page);
  int target = def.first_focus;
  if (!Eligible(slot, def.controls[target], target)) {
    bool eligible[kMaxControls] = {};
    for (int i = 0; i < def.count; ++i) eligible[i] = Eligible(slot, def.controls[i], i);
    target = NextTabStop(eligible, def.count, -1, false);
  }
  if (target >= 0) plat::SetFocus(slot.controls[target]);
}

bool MoveFocus(Program& program, plat::Handle window, bool backwards) {
  for (int p = 0; p < kPageCount; ++p) {
    PageSlot& slot = program.pages[p];
    if (!slot.window) continue;
    const PageDef& def = PageDefinition(static_cast<WizardPageId>(p));
    int from = -2;
    if (window == slot.window) from = -1;
    for (int i = 0; i < def.count && from == -2; ++i)
      if (slot.controls[i] == window) from = i;
    if (from == -2) continue;
    bool eligible[kMaxControls] = {};
    for (int i = 0; i < def.count; ++i) eligible[i] = Eligible(slot, def.controls[i], i);
    int next = NextTabStop(eligible, def.count, from, backwards);
    if (next >= 0) plat::SetFocus(slot.controls[next]);
    return true;
  }
  return false;
}

static plat::Handle Live(Program& program, WizardPageId page, int control) {
  return program.page(page).controls[control];
}

int ReadLeft(Program& program, WizardPageId page, int control) {
  return plat::GetPlace(Live(program, page, control)).left;
}

int ReadWidth(Program& program, WizardPageId page, int control) {
  return plat::GetPlace(Live(program, page, control)).width;
}

void SetLeft(Program& program, WizardPageId page, int control, int left) {
  plat::Handle handle = Live(program, page, control);
  plat::Rect place = plat::GetPlace(handle);
  place.left = left;
  plat::SetPlace(handle, place);
}

void SetWidth(Program& program, WizardPageId page, int control, int width) {
  plat::Handle handle = Live(program, page, control);
  plat::Rect place = plat::GetPlace(handle);
  place.width = width;
  plat::SetPlace(handle, place);
}

void SetDisabled(Program& program, WizardPageId page, int control, bool disabled) {
  plat::EnableWindow(Live(program, page, control), !disabled);
}

void SetPeriod(Program& program, WizardPageId page, int control, int period) {
  PageSlot& slot = program.page(page);
  if (period < 0) period = 0;
  int& current = slot.timer_period[control];
  if (period == current) return;
  if (current > 0) plat::KillTimer(slot.window, control + 1);
  current = period;
  if (period > 0) plat::SetTimer(slot.window, control + 1, static_cast<unsigned>(period));
}

Text ReadText(Program& program, WizardPageId page, int control) {
  plat::Handle handle = Live(program, page, control);
  unsigned length = plat::TextLength(handle);
  char* bytes = static_cast<char*>(plat::HeapAllocate(length + 1));
  if (!bytes) FatalStop(program);
  bytes[0] = '\0';
  plat::GetText(handle, bytes, length + 1);
  return Text(bytes);
}

void SetText(Program& program, WizardPageId page, int control, const char* text) {
  plat::SetText(Live(program, page, control), text);
}

void ShowEndOfText(Program& program, WizardPageId page, int control) {
  plat::ShowEndOfText(Live(program, page, control));
}
