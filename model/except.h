// Failures of file and memory work, carried to the place where they are shown. They are thrown
// as pointers to static objects (see Throw...), so a handler reads the text and never deletes.
#pragma once

namespace model {

class MExcept {
public:
    virtual ~MExcept() = default;
    virtual const char* GetText() const = 0;
};

class MExceptFile : public MExcept {};

class MExceptFileWriteError : public MExceptFile {
public:
    const char* GetText() const override;
};

class MExceptFileReadError : public MExceptFile {
public:
    const char* GetText() const override;
};

class MExceptFileBadFormat : public MExceptFile {
public:
    const char* GetText() const override;
};

class MExceptOutOfMemory : public MExcept {
public:
    const char* GetText() const override;
};

// Each throws a pointer to one long-lived object of its class.
[[noreturn]] void ThrowFileWriteError();
[[noreturn]] void ThrowFileReadError();
[[noreturn]] void ThrowFileBadFormat();
[[noreturn]] void ThrowOutOfMemory();

}  // namespace model
