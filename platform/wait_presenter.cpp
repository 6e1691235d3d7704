// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/wait_presenter.h"

#include <utility>

namespace {

WaitPresenter& Presenter()
{
    static WaitPresenter presenter;
    return presenter;
}

}   // namespace

WaitPresenter SetWaitPresenter(WaitPresenter presenter)
{
    return std::exchange(Presenter(), std::move(presenter));
}

void PresentWait(WaitPhase phase)
{
    // A copy, so that a presenter replacing itself stays alive until it returns.
    const WaitPresenter presenter = Presenter();
    if (presenter)
        presenter(phase);
}
