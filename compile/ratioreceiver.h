#pragma once

class TransRatioFunc;

// What an output equation is evaluated for (a transfer-function tool): it takes the transfer
// ratio, or is reset to 0 / 1 when the circuit or the equation has errors.
class RatioReceiver
{
public:
    virtual ~RatioReceiver() = default;

    virtual void setRatio(const TransRatioFunc &ratio) = 0;
    virtual void reset() = 0;
};
