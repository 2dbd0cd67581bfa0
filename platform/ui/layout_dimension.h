#pragma once

#include <QSizeF>

namespace lanterncrest {

// One side of a layout size: a fraction of the container's width or height, a fixed length,
// or an estimate that the collection view replaces by the measured length once the view exists.
class LayoutDimension
{
public:
    enum class Kind { FractionalWidth, FractionalHeight, Absolute, Estimated };

    static constexpr LayoutDimension fractionalWidth(double fraction)
    {
        return { Kind::FractionalWidth, fraction };
    }
    static constexpr LayoutDimension fractionalHeight(double fraction)
    {
        return { Kind::FractionalHeight, fraction };
    }
    static constexpr LayoutDimension absolute(double length) { return { Kind::Absolute, length }; }
    static constexpr LayoutDimension estimated(double length)
    {
        return { Kind::Estimated, length };
    }

    constexpr Kind kind() const { return m_kind; }
    constexpr double value() const { return m_value; }
    constexpr bool isEstimated() const { return m_kind == Kind::Estimated; }

    // The length in a container of the given size; never negative.
    double resolved(const QSizeF &container) const;

    friend constexpr bool operator==(const LayoutDimension &, const LayoutDimension &) = default;

private:
    constexpr LayoutDimension(Kind kind, double value) : m_kind(kind), m_value(value) { }

    Kind m_kind;
    double m_value;
};

struct LayoutSize
{
    LayoutDimension widthDimension;
    LayoutDimension heightDimension;
};

} // namespace lanterncrest
