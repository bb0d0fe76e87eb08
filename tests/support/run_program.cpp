#include "run_program.h"

#ifdef _WIN32
#include "argument_quoting.h"
#endif

#include <cstdio>
#include <fstream>
#include <iterator>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

// The output as text: Windows programs end their lines with CR LF.
std::string slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string text;
  for (std::istreambuf_iterator<char> it(in), end; it != end; ++it) {
    if (*it == '\n' && !text.empty() && text.back() == '\r') text.pop_back();
    text.push_back(*it);
  }
  return text;
}

}  // namespace

#ifdef _WIN32

fs::path program_directory() {
  wchar_t buffer[MAX_PATH];
  GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  return fs::path(buffer).parent_path();
}

namespace {


HANDLE inheritable(const fs::path& path, DWORD access, DWORD disposition) {
  SECURITY_ATTRIBUTES security{sizeof(security), nullptr, TRUE};
  // Shared for deletion too: a console host may still hold the child's handles briefly.
  return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &security,
                     disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

ProgramResult run_program(const std::string& program, const std::vector<NativeString>& arguments,
                          const fs::path& working_directory) {
  const fs::path exe = program_directory() / (program + ".exe");
  std::wstring command_line = quote_argument(exe.wstring());
  for (const auto& argument : arguments) command_line += L" " + quote_argument(argument);

  static int runs = 0;
  const fs::path out_path = fs::temp_directory_path() / ("dova-out-" + std::to_string(GetCurrentProcessId()) +
                                                         "-" + std::to_string(++runs));
  const fs::path err_path = out_path.wstring() + L".err";
  HANDLE in = inheritable(L"NUL", GENERIC_READ, OPEN_EXISTING);
  HANDLE out = inheritable(out_path, GENERIC_WRITE, CREATE_ALWAYS);
  HANDLE err = inheritable(err_path, GENERIC_WRITE, CREATE_ALWAYS);

  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = in;
  startup.hStdOutput = out;
  startup.hStdError = err;
  PROCESS_INFORMATION process{};
  ProgramResult result;
  if (CreateProcessW(exe.c_str(), command_line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                     nullptr, working_directory.c_str(), &startup, &process)) {
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    result.exit_code = static_cast<int>(code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(in);
  CloseHandle(out);
  CloseHandle(err);
  result.out = slurp(out_path);
  result.err = slurp(err_path);
  std::error_code ignored;
  fs::remove(out_path, ignored);
  fs::remove(err_path, ignored);
  return result;
}

#else

fs::path program_directory() { return fs::read_symlink("/proc/self/exe").parent_path(); }

ProgramResult run_program(const std::string& program, const std::vector<NativeString>& arguments,
                          const fs::path& working_directory) {
  const fs::path exe = program_directory() / program;
  const fs::path out_path = fs::temp_directory_path() / ("dova-out-" + std::to_string(::getpid()));
  const fs::path err_path = out_path.string() + ".err";
  ProgramResult result;
  const pid_t child = ::fork();
  if (child == 0) {
    if (::chdir(working_directory.c_str()) != 0) ::_exit(127);
    if (!std::freopen("/dev/null", "rb", stdin) || !std::freopen(out_path.c_str(), "wb", stdout) ||
        !std::freopen(err_path.c_str(), "wb", stderr)) {
      ::_exit(127);
    }
    std::vector<char*> argv{const_cast<char*>(exe.c_str())};
    for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execv(exe.c_str(), argv.data());
    ::_exit(127);
  }
  int status = 0;
  if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status)) {
    result.exit_code = WEXITSTATUS(status);
  }
  result.out = slurp(out_path);
  result.err = slurp(err_path);
  fs::remove(out_path);
  fs::remove(err_path);
  return result;
}

#endif
