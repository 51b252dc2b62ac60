#pragma once

#include <string>
#include <string_view>

// Writes the whole of `bytes` to `path` or nothing, without changing what the target is.
// - A regular file, new or existing: the data goes to a temporary file in the same folder (a short
//   hidden name, so any name a folder can hold works), which is renamed into place only when completely
//   written and flushed. A replaced file keeps its permissions, and its owner and group where the
//   process may set them. An existing file that the process may not write to is refused ("Permission
//   denied"), not replaced.
// - A symbolic link, or a chain of them, is followed to the name it gives, which is created when it does
//   not exist yet (a relative link is read from the link's own folder); the links stay. A loop is
//   refused ("Too many levels of symbolic links").
// - Anything else that exists and is not a folder (a device such as /dev/null, a FIFO, a terminal,
//   /dev/stdout) is opened and written in place; a write error there, such as a full device, is a
//   failure.
// A failure leaves any existing file of that name unchanged, removes the temporary file, and puts a
// sentence naming the file (quoted by QuoteForMessage) and the reason into *pError, for instance
// "Cannot write \"out.xls\": No such file or directory".
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* pError);

// The same rules for a file written piece by piece (a long batch output): Open decides how the name is
// written and makes the temporary file, Write appends, Commit renames it into place. Until Commit has
// succeeded an existing file is unchanged (a device or FIFO excepted, which gets each piece as written).
// Each call returns false with the sentence of WriteFileAtomically in *pError and removes the temporary
// file; so does the destructor of a writer never committed.
class AtomicFileWriter {
public:
    AtomicFileWriter() = default;
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;
    ~AtomicFileWriter();

    bool Open(const std::string& path, std::string* pError);
    bool Write(std::string_view bytes, std::string* pError);
    bool Commit(std::string* pError);
    // Gives up: the temporary file is removed and an existing file stays as it was.
    void Abandon();

private:
    bool Failed(int nError, std::string* pError);

    std::string m_strPath;      // as the caller named it, for messages
    std::string m_strTarget;    // where the links of the name lead
    std::string m_strTempName;  // the temporary file beside the target; empty when writing in place
    int m_fd = -1;
};
