// A section-library failure as the dialogs say it: the headline in the interface's language,
// then the detail naming the file and the row as the library wrote it.
#pragma once

#include <QString>

#include "sections/library_error.h"

namespace traxen {

// "headline<separator>detail", or the headline alone when there is no detail.
QString LibraryErrorText(const LibraryError& error, const QString& separator);

}  // namespace traxen
