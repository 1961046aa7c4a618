// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/local_requests.h"

#include <QDir>

#include <windows.h>

namespace stocks::platform {
namespace {

constexpr wchar_t className[] = L"MorvaneStocksRequests";
// The class is ours alone, so the first of the application's message numbers is free.
constexpr UINT requestMessage = WM_APP;

LRESULT CALLBACK takeRequest(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != requestMessage)
        return DefWindowProcW(window, message, wParam, lParam);
    const LONG_PTR onRequest = GetWindowLongPtrW(window, GWLP_USERDATA);
    // The window keeps the pointer as the integer the system stores.
    if (onRequest != 0)
        (*reinterpret_cast<const std::function<void()>*>(onRequest))(); // NOLINT
    return 0;
}

bool classRegistered()
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = takeRequest;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    return RegisterClassW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

/// The channel's name: the path as the system writes it. The path lies in the user's own
/// folder, and message-only windows are seen only on their own desktop.
std::wstring channelName(const QString& path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

} // namespace

// Messages to the window are dispatched by the event loop of the thread that made it.
struct RequestListener::Channel {
    explicit Channel(std::function<void()> call) : onRequest(std::move(call)) {}
    ~Channel()
    {
        if (window)
            DestroyWindow(window);
    }

    Channel(const Channel&) = delete;
    Channel& operator=(const Channel&) = delete;

    const std::function<void()> onRequest;
    HWND window = nullptr;
};

RequestListener::RequestListener(const QString& path, std::function<void()> onRequest)
{
    static const bool registered = classRegistered();
    const std::wstring name = channelName(path);
    // A window of that name belongs to another listener, which keeps its requests.
    if (!registered || FindWindowExW(HWND_MESSAGE, nullptr, className, name.c_str()))
        return;
    auto channel = std::make_unique<Channel>(std::move(onRequest));
    channel->window = CreateWindowExW(0, className, name.c_str(), 0, 0, 0, 0, 0, HWND_MESSAGE,
                                      nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!channel->window)
        return;
    SetWindowLongPtrW(channel->window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(&channel->onRequest));
    channel_ = std::move(channel);
}

RequestListener::~RequestListener() = default;

bool sendRequest(const QString& path)
{
    const HWND window = FindWindowExW(HWND_MESSAGE, nullptr, className, channelName(path).c_str());
    if (!window)
        return false;
    // The user started this process, so it may bring a window to the front; the running
    // copy may only once it is given that right.
    DWORD process = 0;
    if (GetWindowThreadProcessId(window, &process) != 0)
        AllowSetForegroundWindow(process);
    return PostMessageW(window, requestMessage, 0, 0) != 0;
}

} // namespace stocks::platform
