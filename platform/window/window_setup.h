// Window plumbing every window of the suite shares.
#pragma once

class QWidget;

namespace platform {

// Centres `window` on its screen when it is first shown (the available area,
// without the task bar); later showings leave it where the user put it.
void CentreOnFirstShow(QWidget& window);

// Fits each label under `parent` that its form marks "autoSize" to its
// caption, from its place.
void FitAutoSizeLabels(QWidget& parent);

} // namespace platform
