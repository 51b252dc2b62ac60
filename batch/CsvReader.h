#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Records of a CSV text (RFC 4180) read from a file descriptor a buffer at a time, so that a file of any
// length is read in bounded memory: fields separated by commas, records by LF or CRLF; a field in double
// quotes may hold commas, line ends and doubled quotes (""). A UTF-8 byte order mark at the very start is
// skipped, and so are empty lines.
class CsvReader {
public:
    // The most bytes one record may hold; a longer one is refused rather than read into memory whole.
    static constexpr std::size_t kMaxRecordBytes = 1 << 20;

    enum class Status { Record, End, Refused, ReadFailed };

    // Reads from fd (left open); fd is read from its current position.
    explicit CsvReader(int fd) : m_fd(fd) {}

    // The next record into `fields` (its fields' texts without quotes). nLine is the line the record starts
    // on (from 1). Refused: a quote inside an unquoted field, text after a closing quote, a quoted field not
    // closed at the end of the file, a record over kMaxRecordBytes; Reason() says which. ReadFailed: the
    // system refused to read (errno is kept in Error()).
    Status Next(std::vector<std::string>& fields);

    std::size_t Line() const { return m_nRecordLine; }
    const std::string& Reason() const { return m_strReason; }
    int Error() const { return m_nError; }

private:
    // The next byte, or -1 at the end of the file (-2 when reading failed).
    int Get();

    int m_fd;
    char m_buffer[1 << 16];
    std::size_t m_nPos = 0;
    std::size_t m_nEnd = 0;
    bool m_bStarted = false;
    std::size_t m_nLine = 1;        // the line of the next byte
    std::size_t m_nRecordLine = 0;  // the line the last record started on
    std::string m_strReason;
    int m_nError = 0;
};
