#include "window_driver.h"

#include <cstdio>
#include <utility>

namespace {

std::wstring class_of(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::wstring text_of(HWND window) {
  // WM_GETTEXT works across processes, where GetWindowText does not for controls.
  const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT got = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(got));
  return text;
}

struct ChildSearch {
  std::wstring class_name;
  std::wstring text;  // empty: any text
  bool any_text = true;
  HWND found = nullptr;
};

BOOL CALLBACK check_child(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<ChildSearch*>(data);
  if (_wcsicmp(class_of(window).c_str(), search.class_name.c_str()) != 0) return TRUE;
  if (!search.any_text && text_of(window) != search.text) return TRUE;
  search.found = window;
  return FALSE;
}

HWND find_child(HWND parent, const std::wstring& class_name, const std::wstring* text = nullptr) {
  if (parent == nullptr) return nullptr;
  ChildSearch search{class_name, text != nullptr ? *text : std::wstring(), text == nullptr, nullptr};
  EnumChildWindows(parent, check_child, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

template <typename Probe>
auto poll(DWORD patience, Probe probe) -> decltype(probe()) {
  const ULONGLONG end = GetTickCount64() + patience;
  for (;;) {
    auto result = probe();
    if (result || GetTickCount64() >= end) return result;
    Sleep(50);
  }
}

struct TopSearch {
  DWORD process_id;
  const wchar_t* class_name;
  bool (*accept)(HWND);
  HWND found = nullptr;
};

BOOL CALLBACK check_top(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<TopSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.process_id || !IsWindowVisible(window)) return TRUE;
  if (search.class_name != nullptr && class_of(window) != search.class_name) return TRUE;
  if (search.accept != nullptr && !search.accept(window)) return TRUE;
  search.found = window;
  return FALSE;
}

// The file dialog's name field: a combo box with an edit (cmb13) or a plain edit (edt1).
constexpr int kFileNameCombo = 0x47c;
constexpr int kFileNameEdit = 0x480;

HWND file_name_field(HWND dialog) {
  if (HWND combo = GetDlgItem(dialog, kFileNameCombo)) return combo;
  return GetDlgItem(dialog, kFileNameEdit);
}

bool is_file_dialog(HWND dialog) { return file_name_field(dialog) != nullptr; }
bool is_message_box(HWND dialog) { return !is_file_dialog(dialog) && GetDlgItem(dialog, IDOK) != nullptr; }

BOOL CALLBACK read_box_text(HWND window, LPARAM data) {
  if (_wcsicmp(class_of(window).c_str(), L"Static") != 0) return TRUE;
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  if ((style & SS_TYPEMASK) == SS_ICON) return TRUE;
  std::wstring text = text_of(window);
  if (text.empty()) return TRUE;
  *reinterpret_cast<std::wstring*>(data) = std::move(text);
  return FALSE;
}

struct ChildList {
  HWND top;
  std::vector<Placement> placements;
};

BOOL CALLBACK note_placement(HWND window, LPARAM data) {
  auto& list = *reinterpret_cast<ChildList*>(data);
  RECT area{};
  GetWindowRect(window, &area);
  MapWindowPoints(nullptr, list.top, reinterpret_cast<POINT*>(&area), 2);
  list.placements.push_back(Placement{class_of(window), text_of(window), area, GetWindowLongPtrW(window, GWL_STYLE)});
  return TRUE;
}

}  // namespace

COLORREF Capture::at(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
  const std::uint32_t pixel = pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
  return RGB((pixel >> 16) & 0xff, (pixel >> 8) & 0xff, pixel & 0xff);
}

bool Capture::save_bmp(const std::wstring& path) const {
  // 24 bits a pixel: in a 32-bit file, viewers take the unused fourth byte for alpha,
  // and the capture has it 0 (transparent) except where a themed control set it.
  const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
  std::vector<std::uint8_t> rows(stride * static_cast<size_t>(height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF c = at(x, y);
      std::uint8_t* out = &rows[static_cast<size_t>(y) * stride + static_cast<size_t>(x) * 3];
      out[0] = GetBValue(c);
      out[1] = GetGValue(c);
      out[2] = GetRValue(c);
    }
  }
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = -height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  const DWORD data_size = static_cast<DWORD>(rows.size());
  file.bfType = 0x4d42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + data_size;
  std::FILE* out = _wfopen(path.c_str(), L"wb");
  if (out == nullptr) return false;
  bool ok = std::fwrite(&file, sizeof file, 1, out) == 1 && std::fwrite(&info, sizeof info, 1, out) == 1 &&
            std::fwrite(rows.data(), 1, data_size, out) == data_size;
  ok = std::fclose(out) == 0 && ok;
  return ok;
}


std::optional<SetupProcess> SetupProcess::start(const std::wstring& program,
                                                const std::vector<std::wstring>& arguments,
                                                const std::wstring& working_directory) {
  std::wstring command_line = quote_argument(program);
  for (const std::wstring& argument : arguments) command_line += L" " + quote_argument(argument);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      working_directory.c_str(), &startup, &info)) {
    return std::nullopt;
  }
  return SetupProcess(info);
}

SetupProcess::SetupProcess(SetupProcess&& other) noexcept : info_(std::exchange(other.info_, {})) {}

SetupProcess::~SetupProcess() {
  if (info_.hProcess == nullptr) return;
  if (running()) {
    TerminateProcess(info_.hProcess, 255);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool SetupProcess::running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

HWND SetupProcess::find_top_window(const wchar_t* class_name, bool (*accept)(HWND)) const {
  TopSearch search{info_.dwProcessId, class_name, accept};
  EnumWindows(check_top, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND SetupProcess::any_window() const { return find_top_window(nullptr, nullptr); }

HWND SetupProcess::main_window(DWORD patience) const {
  return poll(patience, [&] { return find_top_window(L"TForm1", nullptr); });
}

HWND SetupProcess::path_field() const { return find_child(main_window(), L"Edit"); }

HWND SetupProcess::push_button(const std::wstring& caption) const {
  return find_child(main_window(), L"Button", &caption);
}

HWND SetupProcess::browse_button() const { return find_child(main_window(), L"DovaSpeedButton"); }

HWND SetupProcess::gauge() const { return find_child(main_window(), L"TCGauge"); }

std::vector<Placement> SetupProcess::controls() const {
  ChildList list{main_window(), {}};
  if (list.top != nullptr) EnumChildWindows(list.top, note_placement, reinterpret_cast<LPARAM>(&list));
  return list.placements;
}

std::optional<std::wstring> SetupProcess::path_text() const {
  const HWND field = path_field();
  if (field == nullptr) return std::nullopt;
  return text_of(field);
}

bool SetupProcess::set_path_text(const std::wstring& text) const {
  const HWND field = path_field();
  return field != nullptr && SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) != 0;
}

bool SetupProcess::click(HWND control) const {
  return control != nullptr && PostMessageW(control, BM_CLICK, 0, 0) != 0;
}

GaugeView SetupProcess::read_gauge() const {
  const HWND window = gauge();
  if (window == nullptr) return {};
  return GaugeView{IsWindowVisible(window) != FALSE, text_of(window)};
}

HWND SetupProcess::focused_control() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(info_.dwThreadId, &info)) return nullptr;
  return info.hwndFocus;
}

bool SetupProcess::wait_for_focus(HWND control, DWORD patience) const {
  return control != nullptr && poll(patience, [&] { return focused_control() == control; });
}

bool SetupProcess::press_key(WORD virtual_key) const {
  const HWND target = focused_control();
  if (target == nullptr) return false;
  const UINT scan = MapVirtualKeyW(virtual_key, MAPVK_VK_TO_VSC);
  const LPARAM down = 1 | static_cast<LPARAM>(scan) << 16;
  const LPARAM up = down | static_cast<LPARAM>(0xC0000000u);
  return PostMessageW(target, WM_KEYDOWN, virtual_key, down) != 0 &&
         PostMessageW(target, WM_KEYUP, virtual_key, up) != 0;
}

std::optional<MessageBoxView> SetupProcess::wait_for_message_box(DWORD patience) const {
  const HWND box = poll(patience, [&] { return find_top_window(L"#32770", is_message_box); });
  if (box == nullptr) return std::nullopt;
  MessageBoxView view{box, text_of(box), {}, GetWindow(box, GW_OWNER)};
  EnumChildWindows(box, read_box_text, reinterpret_cast<LPARAM>(&view.text));
  return view;
}

HWND SetupProcess::wait_for_file_dialog(DWORD patience) const {
  return poll(patience, [&] { return find_top_window(L"#32770", is_file_dialog); });
}

std::optional<std::wstring> SetupProcess::file_dialog_name(HWND dialog) const {
  const HWND field = file_name_field(dialog);
  if (field == nullptr) return std::nullopt;
  return text_of(field);
}

bool SetupProcess::set_file_dialog_name(HWND dialog, const std::wstring& name) const {
  const HWND field = file_name_field(dialog);
  return field != nullptr && SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str())) != 0;
}

bool SetupProcess::press_dialog_button(HWND dialog, int id) const {
  const HWND button = GetDlgItem(dialog, id);
  return button != nullptr && PostMessageW(button, BM_CLICK, 0, 0) != 0;
}

bool SetupProcess::wait_until_gone(HWND window, DWORD patience) const {
  return poll(patience, [&] { return !IsWindow(window) || !IsWindowVisible(window); });
}

std::optional<DWORD> SetupProcess::wait_for_exit(DWORD patience) const {
  if (WaitForSingleObject(info_.hProcess, patience) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  if (!GetExitCodeProcess(info_.hProcess, &code)) return std::nullopt;
  return code;
}

std::optional<Capture> SetupProcess::capture(HWND window, bool settle) const {
  // Let the program finish painting: it is idle once it waits for input again, and
  // the display needs a moment more to show it.
  if (settle) {
    WaitForInputIdle(info_.hProcess, 2000);
    Sleep(300);
  }
  RECT area{};
  if (!GetWindowRect(window, &area)) return std::nullopt;
  Capture capture;
  capture.width = area.right - area.left;
  capture.height = area.bottom - area.top;
  if (capture.width <= 0 || capture.height <= 0) return std::nullopt;

  // What the screen shows, so overlapping windows and all children are as a user sees them.
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = capture.width;
  info.bmiHeader.biHeight = -capture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool ok = bitmap != nullptr;
  if (ok) {
    const HGDIOBJ old = SelectObject(memory, bitmap);
    ok = BitBlt(memory, 0, 0, capture.width, capture.height, screen, area.left, area.top, SRCCOPY) != 0;
    GdiFlush();
    const auto* first = static_cast<const std::uint32_t*>(bits);
    capture.pixels.assign(first, first + static_cast<size_t>(capture.width) * static_cast<size_t>(capture.height));
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (!ok) return std::nullopt;
  return capture;
}
