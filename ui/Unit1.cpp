#include "Unit1.h"

#include <commdlg.h>

#include "file_system.h"
#include "folder_glyph.h"
#include "install_messages.h"
#include "install_procedure.h"
#include "target_path.h"
#include "text_encoding.h"
#include "toolkit/application.h"
#include "toolkit/font.h"

TForm1* Form1 = nullptr;

namespace {

using toolkit::Bounds;
using toolkit::FontStyle;

constexpr int kFormWidth = 569;
constexpr int kFormHeight = 185;

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kLime = RGB(0, 255, 0);

// The program's icon in dova-setup.rc.
constexpr int kProgramIconId = 1;

constexpr wchar_t kTitle[] = L"DOVA 中文汇编安装程式";

// Control ids start above IDOK and IDCANCEL, which Enter and Esc send to the form.
enum ControlId { kPathNameId = 100, kSpeedButton1Id, kJinDuId, kButton4Id, kButton5Id };

// Character heights at 96 DPI; the components scale them to the display's.
constexpr FontStyle kTitleFont{L"楷体_GB2312", 27, true, true};
constexpr FontStyle kFormFont{L"MS Sans Serif", 11};
constexpr FontStyle kPromptFont{L"System", 11};
constexpr FontStyle kButtonFont{L"System", 16};

}  // namespace

TForm1::TForm1(const std::wstring& path_text)
    : Form(L"TForm1", kTitle, kFormWidth, kFormHeight),
      AnZhuang(*this, Bounds{0, 0, kFormWidth, kFormHeight}, kBlue),
      Label2(AnZhuang, Bounds{32, 24, 308, 27}, kTitle, kRed, kTitleFont),
      Label4(AnZhuang, Bounds{30, 22, 308, 27}, kTitle, kYellow, kTitleFont),
      Label5(AnZhuang, Bounds{72, 60, 163, 16}, native_from_utf8(kPathPrompt), kWhite, kPromptFont),
      PathName(AnZhuang, Bounds{73, 84, 393, 21}, kPathNameId, kFormFont),
      SpeedButton1(AnZhuang, Bounds{473, 84, 23, 22}, kSpeedButton1Id, make_folder_glyph(),
                   kFolderGlyphTransparent, kBlue),
      JinDu(AnZhuang, Bounds{72, 112, 425, 17}, kJinDuId, kFormFont),
      Button4(AnZhuang, Bounds{368, 144, 75, 25}, kButton4Id, L"取消", kButtonFont),
      Button5(AnZhuang, Bounds{456, 144, 75, 25}, kButton5Id, L"继续", kButtonFont) {
  set_icon(kProgramIconId);
  JinDu.set_colours(kLime, kRed);
  OpenPath.filter = L"51汇编程式(A51.EXE)|A51.EXE";
  OpenPath.initial_dir = L"C:\\";
  OpenPath.file_name = L"A51.EXE";
  OpenPath.options = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                     OFN_FILEMUSTEXIST | OFN_ENABLESIZING;

  SpeedButton1.on_click = [this] { SpeedButton1Click(); };
  Button4.on_click = [this] { Button2Click(); };
  Button5.on_click = [this] { Button5Click(); };

  PathName.set_text(path_text);
}

void TForm1::SpeedButton1Click() {
  const std::wstring text = PathName.text();
  OpenPath.initial_dir = target_directory(text);
  OpenPath.file_name = file_name_part(text);
  if (OpenPath.execute(handle())) PathName.set_text(OpenPath.file_name);
}

void TForm1::Button2Click() { close(); }

void TForm1::Button5Click() { run_install_procedure(*this, system_file_system()); }

NativeString TForm1::path_text() const { return PathName.text(); }

void TForm1::show_gauge() {
  JinDu.set_visible(true);
  UpdateWindow(JinDu.handle());
}

void TForm1::set_gauge_position(int percent) { JinDu.set_position(percent); }

void TForm1::message_box(const std::string& text, const std::string& caption, unsigned flags) {
  toolkit::application().message_box(native_from_utf8(text), native_from_utf8(caption),
                                     MB_OK | flags);
}

void TForm1::close_main_window() { close(); }
