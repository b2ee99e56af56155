#pragma once
#include <vector>

// The value axis of bar plots: a range that holds 0 and every value, cut into round steps.
class ValueScale {
public:
    ValueScale(double iLowest, double iHighest);

    double Low() const { return m_Low; }
    double High() const { return m_High; }
    // The share of the range below the value, from 0 at Low to 1 at High.
    double Position(double iValue) const;
    std::vector<double> Ticks() const;
    // Digits after the point that tell the ticks apart.
    int Decimals() const { return m_Decimals; }

private:
    double m_Low;
    double m_High;
    double m_Step;
    int m_Decimals;
};
