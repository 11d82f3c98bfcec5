#pragma once

#include <model/component.h>

// An independent source: a unit source whose transfer ratios the compile computes.
class IndepSource : public Component
{
    ZENODYNE_STREAMABLE(IndepSource, 1)

public:
    bool editParameters(ParameterDialogs &dialogs) override;
    bool isSource() const override { return true; }
    bool isIndependent() const override { return true; }
    const char *helpTopicTitle() const override { return "Sources"; }
    // The name must be usable in output equations (it is normalised in place), and the two
    // terminals must lie on two different nodes, neither of them open.
    void check() override;

protected:
    IndepSource() = default;
};
