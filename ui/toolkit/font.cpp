#include "font.h"

#include "dpi.h"

namespace toolkit {
namespace {

struct FaceSearch {
  std::wstring wanted;  // exact name, or a part of the name when `any_with` is set
  bool any_with = false;
  std::wstring found;
  bool raster = false;
};

int CALLBACK note_face(const LOGFONTW* font, const TEXTMETRICW*, DWORD type, LPARAM data) {
  auto& search = *reinterpret_cast<FaceSearch*>(data);
  const std::wstring name = font->lfFaceName;
  // Vertical variants ("@...") draw sideways.
  if (name.empty() || name[0] == L'@') return 1;
  const bool match = search.any_with ? name.find(search.wanted) != std::wstring::npos
                                     : _wcsicmp(name.c_str(), search.wanted.c_str()) == 0;
  if (!match) return 1;
  search.found = name;
  search.raster = (type & RASTER_FONTTYPE) != 0;
  return 0;
}

FaceSearch find_face(const std::wstring& wanted, bool any_with) {
  FaceSearch search{wanted, any_with, {}, false};
  LOGFONTW filter{};
  filter.lfCharSet = DEFAULT_CHARSET;
  if (!any_with) wcsncpy(filter.lfFaceName, wanted.c_str(), LF_FACESIZE - 1);
  const HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &filter, note_face, reinterpret_cast<LPARAM>(&search), 0);
  ReleaseDC(nullptr, screen);
  return search;
}

struct Fallback {
  std::wstring face;
  bool any_with;
};

// What to try, in order, when a face is missing. Kai faces go by many names. Where the
// old system faces are missing (Wine without its own fonts), a face that also has
// Chinese glyphs keeps the prompt and the buttons readable.
std::vector<Fallback> fallbacks_for(const std::wstring& face, int height) {
  if (face == L"楷体_GB2312" || face == L"楷体" || face == L"KaiTi") {
    return {{L"KaiTi", false}, {L"楷体", false}, {L"Kai", true}, {L"楷", true}};
  }
  if (face != L"System" && face != L"MS Sans Serif") return {};
  std::vector<Fallback> faces = {{L"SimSun", false},         {L"宋体", false},
                                 {L"AR PL UMing CN", false}, {L"Noto Sans CJK SC", false},
                                 {L"Microsoft YaHei", false}};
  // Zen Hei's bitmap strikes garble small Chinese glyphs; an outline Kai face is
  // plainer than a misread character.
  if (height < 12) faces.push_back({L"AR PL UKai CN", false});
  faces.push_back({L"WenQuanYi Zen Hei Mono", false});
  faces.push_back({L"WenQuanYi Zen Hei", false});
  return faces;
}

FaceSearch resolve(const std::wstring& face, int height) {
  FaceSearch exact = find_face(face, false);
  if (!exact.found.empty()) return exact;
  for (const Fallback& fallback : fallbacks_for(face, height)) {
    FaceSearch found = find_face(fallback.face, fallback.any_with);
    if (!found.found.empty()) return found;
  }
  return {};
}

}  // namespace

std::wstring resolve_face(const std::wstring& face, int height) {
  return resolve(face, height).found;
}

HFONT make_font(const FontStyle& style, int dpi) {
  const int height = scale(style.height, dpi);
  // A window needs a handful of fonts at one or two DPIs: a short list does, without
  // the code of a map.
  struct Made {
    FontStyle style;
    HFONT font;
  };
  static Made made[16];
  static size_t count = 0;
  for (size_t i = 0; i < count; ++i) {
    const FontStyle& known = made[i].style;
    if (known.height == height && known.bold == style.bold && known.italic == style.italic &&
        wcscmp(known.face, style.face) == 0) {
      return made[i].font;
    }
  }

  LOGFONTW font{};
  font.lfHeight = -height;
  font.lfWeight = style.bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = style.italic ? TRUE : FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  const FaceSearch face = resolve(style.face, height);
  wcsncpy(font.lfFaceName, face.found.c_str(), LF_FACESIZE - 1);
  // A bitmap face scaled to a height it was not drawn for is unreadable, and has no
  // Chinese glyphs: let the mapper pick an outline face of that height instead.
  if (face.raster) font.lfOutPrecision = OUT_TT_ONLY_PRECIS;
  HFONT handle = CreateFontIndirectW(&font);
  if (handle == nullptr) handle = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  // Past the list's end a font is made anew each time; still never freed, as promised.
  if (count < sizeof made / sizeof made[0]) made[count++] = {{style.face, height, style.bold, style.italic}, handle};
  return handle;
}

}  // namespace toolkit
