#include "settings/settings.h"

#include <float.h>
#include <math.h>

#include "host/suites.h"
#include "rounding/profile_keys.h"

namespace qzv {

namespace {

// ---- reads: a missing or unreadable key leaves the field as it is ----------

void ReadBool(const char* key, bool& field) {
    HostBool v = 0;
    if (sPreference->GetBooleanPreference(kPrefPrefix, key, &v) == kNoErr) field = v != 0;
}

bool ReadInt(const char* key, int32_t& field) {
    int32_t v = 0;
    if (sPreference->GetIntegerPreference(kPrefPrefix, key, &v) != kNoErr) return false;
    field = v;
    return true;
}

bool ReadReal(const char* key, double& value) {
    return sPreference->GetRealPreference(kPrefPrefix, key, &value) == kNoErr;
}

// A real into a float field. A value no float holds (NaN, or beyond the
// float range: it would become infinity) reads as missing; any other is
// brought into [lo, hi], the range the field's control allows.
void ReadFloat(const char* key, float& field, float lo = -FLT_MAX, float hi = FLT_MAX) {
    double v = 0;
    if (!ReadReal(key, v) || !(fabs(v) <= FLT_MAX)) return;
    const float f = static_cast<float>(v);
    field = f < lo ? lo : f > hi ? hi : f;
}

// An integer into a narrower field, brought into [lo, hi] rather than cut
// to its low bits (70000 would read as 4464 in 16 bits).
bool ReadIntIn(const char* key, int32_t lo, int32_t hi, int32_t& value) {
    if (!ReadInt(key, value)) return false;
    value = value < lo ? lo : value > hi ? hi : value;
    return true;
}

constexpr float kTwoPi = 6.2831855f;

// A scale term stored as a real: truncated toward zero, at least 1. NaN and
// values beyond the 32-bit range are clamped rather than converted blindly.
void ReadScaleTerm(const char* key, int32_t& field) {
    double v = 0;
    if (!ReadReal(key, v)) return;
    double t = trunc(v);
    if (!(t >= 1.0)) t = 1.0;   // also catches NaN
    if (t > 2147483647.0) t = 2147483647.0;
    field = static_cast<int32_t>(t);
}

// ---- writes: each returns the host's status ----------------------------------

HostErr PutBool(const char* key, bool v) { return sPreference->PutBooleanPreference(kPrefPrefix, key, v ? 1 : 0); }
HostErr PutInt(const char* key, int32_t v) { return sPreference->PutIntegerPreference(kPrefPrefix, key, v); }
HostErr PutReal(const char* key, double v) { return sPreference->PutRealPreference(kPrefPrefix, key, v); }

// Runs writes in order until one fails.
#define WRITE(call)                      \
    do {                                 \
        HostErr writeErr = (call);       \
        if (writeErr != kNoErr) return writeErr; \
    } while (0)

const ProfileCoordinate kCoordinateOrder[6] = {ProfileCoordinate::kX,    ProfileCoordinate::kY,
                                               ProfileCoordinate::kInX,  ProfileCoordinate::kInY,
                                               ProfileCoordinate::kOutX, ProfileCoordinate::kOutY};

void ReadProfilePoints(RoundingProfile& profile) {
    const int count = ProfilePointCount(profile);
    // Anchors first, then In handles, then Out handles; X before Y for each point.
    for (int pair = 0; pair < 3; ++pair) {
        for (int n = 0; n < count; ++n) {
            for (int axis = 0; axis < 2; ++axis) {
                ProfileCoordinate c = kCoordinateOrder[2 * pair + axis];
                char key[kProfileKeySize];
                double stored = 0;
                if (ProfileCoordinateKey(c, n, key) && ReadReal(key, stored))
                    *ProfileCoordinateSlot(profile, c, n) = ProfileValueFromStored(stored);
            }
        }
    }
}

void ReadPaintSide(const PaintSideKeys& k, PaintSide& side) {
    ReadBool(k.rgb, side.rgb);
    ReadFloat(k.redOrGray, side.redOrGray);
    ReadFloat(k.green, side.green);
    ReadFloat(k.blue, side.blue);
}

}  // namespace

void SetFactorySettings(Settings& s) {
    GeneralSettings& g = s.general;
    g.OutilsGroupe = false;
    g.EchelleNum = 1;
    g.EchelleDen = 1;
    g.Epaisseur = 0.24f;
    g.EpaisCentre = 0.24f;
    g.Branches = 8.503937f;       // 3 mm
    g.ShiftRayon = 14.173228f;    // 5 mm
    g.ShiftAngle = 0.17453292f;   // 10 degrees
    g.Son = false;
    g.Magnetisme = true;
    g.Tolerance = 8;
    g.Centre = true;
    g.Tangente = true;
    g.Alea = true;
    g.Angle = 0.0f;
    g.Secteur = true;
    g.LignePoly = true;
    g.Arrondi = 12.0f;
    g.RotRectangle = 0.0f;
    g.TypeArrondi = 0;
    g.Calque = false;
    g.Precision = 2;
    s.pending = g;
    s.EchelleNumPerso = 0;
    s.EchelleDenPerso = 0;
    s.profile = DefaultRoundingProfile();
    s.paint = FactoryPaintSettings();
}

bool IsFirstStart() {
    int32_t v = 0;
    return sPreference->GetIntegerPreference(kPrefPrefix, "Precision", &v) != kNoErr;
}

void ReadSettings(Settings& s) {
    GeneralSettings& g = s.general;
    ReadBool("OutilsGroupe", g.OutilsGroupe);
    ReadScaleTerm("EchelleNum", g.EchelleNum);
    ReadScaleTerm("EchelleDen", g.EchelleDen);
    // The custom scale is at least 1/1 once read, also when its keys are missing.
    ReadInt("EchelleNumPerso", s.EchelleNumPerso);
    ReadInt("EchelleDenPerso", s.EchelleDenPerso);
    if (s.EchelleNumPerso < 1) s.EchelleNumPerso = 1;
    if (s.EchelleDenPerso < 1) s.EchelleDenPerso = 1;
    ReadFloat("Epaisseur", g.Epaisseur, 0.0f);
    ReadFloat("EpaisCentre", g.EpaisCentre, 0.0f);
    ReadFloat("Branches", g.Branches, 0.0f);
    ReadFloat("ShiftRayon", g.ShiftRayon, 0.0f);
    ReadFloat("ShiftAngle", g.ShiftAngle, 0.0f);
    ReadBool("Son", g.Son);
    ReadBool("Magnetisme", g.Magnetisme);
    int32_t tolerance = 0;
    if (ReadIntIn("Tolerance", 0, INT16_MAX, tolerance)) g.Tolerance = static_cast<int16_t>(tolerance);
    ReadBool("Centre", g.Centre);
    ReadBool("Tangente", g.Tangente);
    ReadBool("Alea", g.Alea);
    ReadFloat("Angle", g.Angle);
    ReadBool("Secteur", g.Secteur);
    ReadBool("LignePoly", g.LignePoly);
    ReadFloat("Arrondi", g.Arrondi);
    ReadFloat("RotRectangle", g.RotRectangle, -kTwoPi, kTwoPi);   // -360 .. 360 degrees
    int32_t type = 0;
    if (ReadInt("TypeArrondi", type) && (type == 0 || type == 1)) g.TypeArrondi = type;

    // The profile: a stored count of 0 (or none) means no profile was ever
    // stored; the default one is set and written back whole. Any other count
    // is brought into 2..20 so the arrays are never read past their end.
    int32_t count = 0;
    if (ReadInt(kKeyProfileCount, count) && count != 0) {
        s.profile.count = static_cast<int8_t>(ClampProfileCount(count));
        ReadProfilePoints(s.profile);
    } else {
        s.profile = DefaultRoundingProfile();
        WriteProfile(s.profile);
    }
    ReadBool(kKeyProfileSymmetry, s.profile.symmetric);
    ReadBool(kKeyCornerTopLeft, s.profile.cornerTopLeft);
    ReadBool(kKeyCornerBottomLeft, s.profile.cornerBottomLeft);
    ReadBool(kKeyCornerBottomRight, s.profile.cornerBottomRight);
    ReadBool(kKeyCornerTopRight, s.profile.cornerTopRight);

    PaintSettings& p = s.paint;
    ReadPaintSide(kStrokeKeys, p.stroke);
    ReadBool(kStrokeKeys.paintOn, p.stroke.paintOn);
    ReadBool(kFillKeys.paintOn, p.fill.paintOn);
    ReadBool(kFillKeys.patternOn, p.fill.patternOn);
    ReadBool(kStrokeKeys.patternOn, p.stroke.patternOn);
    ReadPaintSide(kFillKeys, p.fill);
    ReadInt(kFillKeys.patternNumber, p.fill.patternNumber);
    ReadInt(kStrokeKeys.patternNumber, p.stroke.patternNumber);
    double v = 0;
    p.fill.patternScale = ReadReal(kFillKeys.patternScale, v) ? static_cast<float>(v) : 100.0f;
    p.stroke.patternScale = ReadReal(kStrokeKeys.patternScale, v) ? static_cast<float>(v) : 100.0f;
    p.fill.patternAngle = ReadReal(kFillKeys.patternAngle, v) ? static_cast<float>(v) : 0.0f;
    p.stroke.patternAngle = ReadReal(kStrokeKeys.patternAngle, v) ? static_cast<float>(v) : 0.0f;

    int32_t precision = 0;
    if (ReadIntIn("Precision", 0, 5, precision)) g.Precision = static_cast<int8_t>(precision);
    ReadBool("Calque", g.Calque);
    s.pending = g;
}

HostErr WriteProfile(const RoundingProfile& profile) {
    WRITE(PutInt(kKeyProfileCount, ProfilePointCount(profile)));
    WRITE(PutBool(kKeyProfileSymmetry, profile.symmetric));
    WRITE(PutBool(kKeyCornerTopLeft, profile.cornerTopLeft));
    WRITE(PutBool(kKeyCornerBottomLeft, profile.cornerBottomLeft));
    WRITE(PutBool(kKeyCornerBottomRight, profile.cornerBottomRight));
    WRITE(PutBool(kKeyCornerTopRight, profile.cornerTopRight));
    const int slots = ProfileStoredSlots(ProfilePointCount(profile));
    for (int pair = 0; pair < 3; ++pair) {
        for (int n = 0; n < slots; ++n) {
            for (int axis = 0; axis < 2; ++axis) {
                ProfileCoordinate c = kCoordinateOrder[2 * pair + axis];
                char key[kProfileKeySize];
                if (!ProfileCoordinateKey(c, n, key)) continue;
                WRITE(PutReal(key, StoredProfileValue(*ProfileCoordinateSlot(profile, c, n))));
            }
        }
    }
    return kNoErr;
}

HostErr WritePaint(const PaintSettings& p) {
    WRITE(PutBool(kStrokeKeys.rgb, p.stroke.rgb));
    WRITE(PutReal(kStrokeKeys.redOrGray, p.stroke.redOrGray));
    WRITE(PutReal(kStrokeKeys.green, p.stroke.green));
    WRITE(PutReal(kStrokeKeys.blue, p.stroke.blue));
    WRITE(PutBool(kStrokeKeys.paintOn, p.stroke.paintOn));
    WRITE(PutBool(kFillKeys.paintOn, p.fill.paintOn));
    WRITE(PutBool(kFillKeys.patternOn, p.fill.patternOn));
    WRITE(PutBool(kStrokeKeys.patternOn, p.stroke.patternOn));
    WRITE(PutBool(kFillKeys.rgb, p.fill.rgb));
    WRITE(PutReal(kFillKeys.redOrGray, p.fill.redOrGray));
    WRITE(PutReal(kFillKeys.green, p.fill.green));
    WRITE(PutReal(kFillKeys.blue, p.fill.blue));
    WRITE(PutInt(kFillKeys.patternNumber, p.fill.patternNumber));
    WRITE(PutInt(kStrokeKeys.patternNumber, p.stroke.patternNumber));
    WRITE(PutReal(kFillKeys.patternScale, p.fill.patternScale));
    WRITE(PutReal(kStrokeKeys.patternScale, p.stroke.patternScale));
    WRITE(PutReal(kFillKeys.patternAngle, p.fill.patternAngle));
    WRITE(PutReal(kStrokeKeys.patternAngle, p.stroke.patternAngle));
    return kNoErr;
}

HostErr ApplyDefaultSettings(Settings& s) {
    SetFactorySettings(s);
    const GeneralSettings& g = s.general;
    WRITE(PutBool("OutilsGroupe", g.OutilsGroupe));
    WRITE(PutReal("EchelleNum", g.EchelleNum));
    WRITE(PutReal("EchelleDen", g.EchelleDen));
    WRITE(PutInt("EchelleNumPerso", s.EchelleNumPerso));
    WRITE(PutInt("EchelleDenPerso", s.EchelleDenPerso));
    WRITE(PutReal("Epaisseur", g.Epaisseur));
    WRITE(PutReal("EpaisCentre", g.EpaisCentre));
    WRITE(PutReal("Branches", g.Branches));
    WRITE(PutReal("ShiftRayon", g.ShiftRayon));
    WRITE(PutReal("ShiftAngle", g.ShiftAngle));
    WRITE(PutBool("Son", g.Son));
    WRITE(PutBool("Magnetisme", g.Magnetisme));
    WRITE(PutInt("Tolerance", g.Tolerance));
    WRITE(PutBool("Centre", g.Centre));
    WRITE(PutBool("Tangente", g.Tangente));
    WRITE(PutBool("Alea", g.Alea));
    WRITE(PutReal("Angle", g.Angle));
    WRITE(PutBool("Secteur", g.Secteur));
    WRITE(PutBool("LignePoly", g.LignePoly));
    WRITE(PutReal("Arrondi", g.Arrondi));
    WRITE(PutReal("RotRectangle", g.RotRectangle));
    WRITE(PutInt("TypeArrondi", g.TypeArrondi));
    WRITE(WriteProfile(s.profile));
    WRITE(WritePaint(s.paint));
    WRITE(PutBool("Calque", g.Calque));
    WRITE(PutBool("kADM_DPVisibleStr", true));
    WRITE(PutInt("Precision", g.Precision));
    return kNoErr;
}

HostErr CommitPreferences(Settings& s) {
    s.general = s.pending;
    const GeneralSettings& g = s.general;
    WRITE(PutInt("TypeArrondi", g.TypeArrondi));
    WRITE(PutReal("EchelleNum", g.EchelleNum));
    WRITE(PutReal("EchelleDen", g.EchelleDen));
    WRITE(PutBool("OutilsGroupe", g.OutilsGroupe));
    WRITE(PutReal("Epaisseur", g.Epaisseur));
    WRITE(PutReal("EpaisCentre", g.EpaisCentre));
    WRITE(PutReal("Branches", g.Branches));
    WRITE(PutReal("ShiftRayon", g.ShiftRayon));
    WRITE(PutReal("ShiftAngle", g.ShiftAngle));
    WRITE(PutBool("Son", g.Son));
    WRITE(PutBool("Magnetisme", g.Magnetisme));
    WRITE(PutInt("Tolerance", g.Tolerance));
    WRITE(PutBool("Centre", g.Centre));
    WRITE(PutBool("Tangente", g.Tangente));
    WRITE(PutBool("Alea", g.Alea));
    WRITE(PutBool("Secteur", g.Secteur));
    WRITE(PutBool("LignePoly", g.LignePoly));
    WRITE(PutReal("Arrondi", g.Arrondi));
    WRITE(PutReal("RotRectangle", g.RotRectangle));
    WRITE(PutReal("Angle", g.Angle));
    WRITE(PutBool("Calque", g.Calque));
    WRITE(PutInt("Precision", g.Precision));
    s.prefsDialogOpen = false;
    return kNoErr;
}

float RoundingStep(int precision) {
    float step = 1.0f;
    for (int i = 0; i < precision; ++i) step = step / 10.0f;
    return step;
}

void ResetWorkingValues(Settings& s) {
    const GeneralSettings& g = s.general;
    WorkingValues& w = s.working;
    w.Centre = g.Centre;
    w.Tangente = g.Tangente;
    w.Alea = g.Alea;
    w.Secteur = g.Secteur;
    w.LignePoly = g.LignePoly;
    w.Angle = g.Angle;
    w.Arrondi = g.Arrondi;
    w.RotRectangle = g.RotRectangle;
    w.Epaisseur = g.Epaisseur;
    w.EpaisCentre = g.EpaisCentre;
    w.Branches = g.Branches;
    w.TypeArrondi = g.TypeArrondi;
    w.EchelleNum = g.EchelleNum;
    w.EchelleDen = g.EchelleDen;
}

}  // namespace qzv
