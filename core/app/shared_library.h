#pragma once
// A shared library opened when it is first needed instead of linked: it is then neither
// loaded nor kept in memory by a start that does not use it.
namespace zav {

class CSharedLibrary {
  public:
    // Opens `soname` ("libname.so.N"); kept open for the program's life, as the functions found
    // in it are.
    explicit CSharedLibrary(const char* soname);
    CSharedLibrary(const CSharedLibrary&) = delete;
    CSharedLibrary& operator=(const CSharedLibrary&) = delete;

    // Points `function` at the library's function `name`; false when the library or the
    // function is missing.
    template <typename Function>
    bool Find(const char* name, Function& function) const {
        function = reinterpret_cast<Function>(Symbol(name));
        return function != nullptr;
    }

  private:
    void* Symbol(const char* name) const;

    void* handle_;
};

}  // namespace zav
