#include "fonts.h"

#include <map>
#include <tuple>

namespace {

// "MT Extra" is asked for only to draw the script letter l.
std::string mtExtraText(const std::string& utf8) {
  std::string out;
  for (char c : utf8) out += c == 'l' ? std::string("\xE2\x84\x93")  /* U+2113 in UTF-8 */ : std::string(1, c);
  return out;
}

struct Family {
  const char* fontconfigName;
  double scale;
  double baseline;
  std::string (*mapText)(const std::string&);
};

Family familyFor(const std::string& name) {
  if (name == "Times New Roman") return {"Liberation Serif", 1.0, 0.86, nullptr};
  if (name == "MT Extra") return {"DejaVu Sans", 1.0, 0.86, mtExtraText};
  return {"IPAGothic", 1.0, 0.86, nullptr};  // "ゴシック", "ｺﾞｼｯｸ" and any other name
}

}  // namespace

const FaceMetrics& faceFor(const std::string& name, bool bold, bool italic) {
  static std::map<std::tuple<std::string, bool, bool>, FaceMetrics> cache;
  const auto key = std::make_tuple(name, bold, italic);
  auto it = cache.find(key);
  if (it != cache.end()) return it->second;
  const Family family = familyFor(name);
  cairo_font_face_t* face =
      cairo_toy_font_face_create(family.fontconfigName, italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                                 bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  return cache.emplace(key, FaceMetrics{face, family.scale, family.baseline, family.mapText}).first->second;
}
