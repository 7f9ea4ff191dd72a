#include "Form2Description.h"

using namespace winui;

// Neutral values of ours: the project in place of a person, example.org
// addresses.
const wchar_t kMakerWebAddress[] = L"http://converter.example.org/";
const wchar_t kMakerMailLink[] = L"mailto:converter@example.org";

namespace {

constexpr FontRecord ArialFont(bool bold, bool italic, bool underline, Colour colour) {
  return {"Arial", 8, bold, italic, underline, RUSSIAN_CHARSET, colour};
}

constexpr FontRecord kLinkFont = ArialFont(true, false, true, colours::Navy);
constexpr FontRecord kMailFont = ArialFont(false, true, true, colours::Navy);
constexpr FontRecord kCreditFont = ArialFont(true, false, false, colours::Navy);
constexpr FontRecord kNameFont = ArialFont(true, false, false, colours::Maroon);
constexpr FontRecord kTownFont = ArialFont(true, false, false, colours::Blue);
constexpr FontRecord kNavyBold{nullptr, 0, true, false, false, DEFAULT_CHARSET, colours::Navy};
constexpr FontRecord kBold{nullptr, 0, true, false, false, DEFAULT_CHARSET, colours::WindowText};

// One control a record, as the window is read.
// clang-format off
const ControlRecord kControls[] = {
    {.name = "Bevel1", .kind = ControlKind::Bevel, .left = 40, .top = 48, .width = 305, .height = 89,
     .flags = flags::Transparent},
    {.name = "Bevel2", .kind = ControlKind::Bevel, .left = 96, .top = 142, .width = 233, .height = 17,
     .flags = flags::Transparent},
    // Holds the background only; FormPaint draws it and FormCreate cuts the
    // window to it.
    {.name = "Image1", .kind = ControlKind::Image, .left = 0, .top = 0, .width = 521, .height = 177,
     .flags = flags::Hidden, .picture = "ABOUT_BACKGROUND"},
    {.name = "SpeedButton1", .kind = ControlKind::FlatSpeedButton, .left = 485, .top = 10, .width = 19, .height = 19,
     .caption = "X", .font = kBold, .flags = flags::NotFlat, .onClick = "SpeedButton1Click"},
    {.name = "Label1", .kind = ControlKind::Label, .left = 248, .top = 16, .width = 126, .height = 14,
     .caption = "converter.example.org", .font = kLinkFont, .colour = colours::Silver, .flags = flags::HandCursor,
     .onClick = "Click_Site", .onMouseMove = "Move"},
    {.name = "Label2", .kind = ControlKind::Label, .left = 16, .top = 16, .width = 34, .height = 13,
     .caption = "About", .font = kNavyBold, .colour = colours::Silver},
    {.name = "Label3", .kind = ControlKind::Label, .left = 48, .top = 56, .width = 77, .height = 14,
     .caption = "Программист:", .font = kCreditFont, .colour = colours::ScrollBar},
    {.name = "Label4", .kind = ControlKind::Label, .left = 136, .top = 56, .width = 197, .height = 14,
     .caption = "Converter AMR<->WAV project", .font = kNameFont, .colour = colours::ScrollBar},
    {.name = "Label5", .kind = ControlKind::Label, .left = 288, .top = 72, .width = 48, .height = 14,
     .caption = "г. Example", .font = kTownFont, .colour = colours::ScrollBar},
    // The hand is only its drag cursor: the pointer over it stays the arrow.
    {.name = "Label6", .kind = ControlKind::Label, .left = 136, .top = 144, .width = 140, .height = 14,
     .caption = "E-mail: converter@example.org", .font = kMailFont, .onClick = "Click_Mail",
     .onMouseMove = "MoveMail"},
    // One column wider than its holder: drawn unscaled, its last column cut.
    {.name = "Image2", .kind = ControlKind::Image, .left = 120, .top = 80, .width = 137, .height = 49,
     .picture = "ABOUT_LOGO"},
    {.name = "Label7", .kind = ControlKind::Label, .left = 48, .top = 80, .width = 56, .height = 13,
     .caption = "Converter", .font = kBold},
    {.name = "Label8", .kind = ControlKind::Label, .left = 48, .top = 96, .width = 37, .height = 13,
     .caption = "ver1.0", .font = kBold},
    // XPManifest1 is the program's manifest resource (common controls 6).
};

const MenuRecord kPopupMenu[] = {
    {.name = "N1", .level = 0, .caption = "-"},
    {.name = "N2", .level = 0, .caption = "Выход", .onClick = "N2Click"},
};
// clang-format on

}  // namespace

// The stored frame and size are the ordinary ones; FormCreate replaces both
// with no frame and the picture's size.
const FormRecord kForm2Description{
    .name = "Form2",
    .caption = "About",
    .clientWidth = 532,
    .clientHeight = 226,
    .border = BorderStyle::Sizeable,
    .minimizeBox = true,
    .maximizeBox = true,
    .screenCentre = true,
    .colour = colours::BtnFace,
    .onCreate = "FormCreate",
    .controls = kControls,
    .popupMenu = kPopupMenu,
};
