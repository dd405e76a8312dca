// Puts the lens's copies on the Windows clipboard: a picture as CF_DIB and as the registered
// "PNG" format, a text as CF_UNICODETEXT. Another program holding the clipboard open makes a
// put give up after a short retry, leaving the clipboard as it was.
#pragma once

#include "effects/bitmap.h"

#include <windows.h>

#include <string>

namespace lenzor {

// `owner` becomes the clipboard's owner (a window of this program: without one the data could
// not be set). True when everything is on the clipboard.
bool PutPictureOnClipboard(HWND owner, const Bitmap24& picture);
bool PutTextOnClipboard(HWND owner, const std::string& utf8);

}  // namespace lenzor
