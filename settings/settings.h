// The persistent settings of the plug-in, kept in the host's preference
// store under the prefix "QZVARC". Each field bears the name of its key.
// Three copies of most defaults exist: the setting (read at start-up and
// written when changed), the pending copy (edited by the preferences dialog,
// committed by its OK) and the working value (used by the palette and tools).
#pragma once
#include <stdint.h>

#include "paint/paint_settings.h"
#include "rounding/rounding_profile.h"
#include "sdk_all.h"

namespace qzv {

inline constexpr const char* kPrefPrefix = "QZVARC";

// The general settings (those the preferences dialog edits), with the scale.
struct GeneralSettings {
    bool OutilsGroupe;       // tools join the eyedropper's group (read at start-up only)
    int32_t EchelleNum;      // drawing scale numerator, at least 1 (stored as a real)
    int32_t EchelleDen;      // drawing scale denominator, at least 1 (stored as a real)
    float Epaisseur;         // stroke weight of new paths, points
    float EpaisCentre;       // stroke weight of centre and tangency marks, points
    float Branches;          // length of the strokes of the marks, points
    float ShiftRayon;        // radius step while Shift is held, points
    float ShiftAngle;        // angle step while Shift is held, radians
    bool Son;                // sound signals
    bool Magnetisme;         // clicks take the snapped point
    int16_t Tolerance;       // snapping distance, screen pixels
    bool Centre;             // mark the centre of new circles and arcs
    bool Tangente;           // mark tangency points
    bool Alea;               // random orientation of the centre mark
    float Angle;             // fixed orientation of the centre mark, radians
    bool Secteur;            // arcs are sectors
    bool LignePoly;          // the line mode draws a polygonal line
    float Arrondi;           // corner radius of rounded rectangles, points
    float RotRectangle;      // rotation of new rectangles, radians
    int32_t TypeArrondi;     // 0 quarter circle, 1 the editable profile
    bool Calque;             // new paths go on the layer "QZV•Vorn"
    int8_t Precision;        // decimals of numbers shown while drawing, 0..5
};

// The working values of the palette and the tools (initialised from the
// settings when the palette is built or reset; never written back).
struct WorkingValues {
    bool Centre, Tangente, Alea, Secteur, LignePoly;
    float Angle, Arrondi, RotRectangle, Epaisseur, EpaisCentre, Branches;
    int32_t TypeArrondi, EchelleNum, EchelleDen;
};

struct Settings {
    GeneralSettings general;     // the stored settings (ReadSettings, CommitPreferences)
    GeneralSettings pending;     // the preferences dialog's copies, committed by its OK
    WorkingValues working;       // the palette's and tools' values
    int32_t EchelleNumPerso;     // custom scale numerator, at least 1 after reading
    int32_t EchelleDenPerso;     // custom scale denominator, at least 1 after reading
    RoundingProfile profile;     // the committed rounding profile
    PaintSettings paint;         // the committed paint of new paths
    bool prefsDialogOpen;        // the preferences dialog is up (cleared by a full commit)
};

// The factory value of every field (the key table's defaults).
void SetFactorySettings(Settings& s);

// True when the store holds none of the plug-in's keys yet: "Precision",
// written last by the first-start defaults, cannot be read.
bool IsFirstStart();

// Reads every key into `s` in the fixed order; missing keys keep the field,
// with the scale clamps and the pattern and profile fallbacks. Never stops.
void ReadSettings(Settings& s);

// Sets every field to its default and writes it at once, in the fixed
// order; the first failed write ends the sequence and is returned.
HostErr ApplyDefaultSettings(Settings& s);

// Sets every working value to its setting (the palette's values when it is
// built or its logo button is clicked; the tools' values from start-up on).
void ResetWorkingValues(Settings& s);

// Copies the pending copies into the settings, then writes the general keys
// in order, stopping at the first failure (returned). The dialog-open flag
// is cleared only when every write succeeded.
HostErr CommitPreferences(Settings& s);

// Writes the whole profile (count, symmetry, corners, points in blocks of
// ten); stops at the first failure.
HostErr WriteProfile(const RoundingProfile& profile);

// Writes the eighteen colour and pattern keys in the order of the first
// start; stops at the first failure.
HostErr WritePaint(const PaintSettings& paint);

// 10 to the power -precision, by dividing 1 by ten once per decimal in
// single precision (0 decimals: 1; 2 decimals: 0.01). Negative counts give 1.
float RoundingStep(int precision);

}  // namespace qzv
