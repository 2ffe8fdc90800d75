// Affine matrices that place shapes: a RealMatrix maps (h, v) to
// (a h + c v + tx, b h + d v + ty). Shapes are built about the origin and
// placed by setting a rotation and then concatenating a translation, which
// rotates about the origin first and moves to the anchor point second.
// Nothing here reports an error: NaN or infinite input propagates into the
// matrix or the point, and a zero matrix maps everything onto its
// translation.
#pragma once

#include "host_types.h"

namespace qzv {

// The identity.
RealMatrix IdentityMatrix();

// The rotation about the origin by angle (radians, +h toward +v):
// a = cos, b = sin, c = -sin, d = cos, no translation. NaN gives a NaN matrix.
void SetRotation(RealMatrix& m, float angle);

// The identity with the translation (tx, ty).
void SetTranslation(RealMatrix& m, float tx, float ty);

// Appends a rotation about the origin: the result does what m did, then
// rotates. Every product is rounded to float.
void ConcatRotation(RealMatrix& m, float angle);

// Appends a translation applied after what m already does.
void ConcatTranslation(RealMatrix& m, float tx, float ty);

// m applied to p, each product and sum rounded to float.
RealPoint TransformPoint(const RealMatrix& m, RealPoint p);

}  // namespace qzv
