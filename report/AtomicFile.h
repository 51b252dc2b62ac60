#pragma once

#include <string>
#include <string_view>

// Writes the whole of `bytes` to `path` or nothing: the data goes to a temporary file beside the
// target, which is renamed into place only when completely written and flushed. A failure leaves any
// existing file of that name unchanged, removes the temporary file, and puts a sentence naming the file
// and the reason into *pError (for instance "Cannot write \"out.xls\": No such file or directory"). An
// existing file that the process may not write to is refused ("Permission denied"), not replaced.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* pError);
