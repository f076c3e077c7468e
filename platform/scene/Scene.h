// The scene: owns every object and animation for the whole run and lists them in declaration order.
#pragma once

#include "FloatAnimation.h"
#include "SceneObject.h"

#include <QObject>

#include <cstdint>
#include <memory>
#include <vector>

namespace velmar::platform {

class Scene : public QObject {
    Q_OBJECT
public:
    Scene() = default;
    ~Scene() override;

    // Declares an object; objects are only declared while the window is built, never freed before it.
    template <typename T, typename... Args>
    T& add(SceneObject* parent, QString name, Args&&... args)
    {
        auto object = std::make_unique<T>(*this, std::move(name), std::forward<Args>(args)...);
        T& ref = *object;
        m_objects.push_back(std::move(object));
        m_components.push_back(&ref);
        if (parent)
            ref.setParent(parent);
        return ref;
    }

    FloatAnimation& addAnimation(QString name, FloatAnimation::Apply apply);

    // Declaration order; re-parenting never changes it.
    const std::vector<SceneObject*>& components() const { return m_components; }
    const std::vector<FloatAnimation*>& animations() const { return m_animationList; }

    SceneObject* find(const QString& name) const;
    FloatAnimation* findAnimation(const QString& name) const;

    // The object declared as `name` with kind T; a name that is not declared, or of another kind, is a
    // programming error and stops the program with a message.
    template <typename T>
    T& get(const QString& name) const
    {
        T* object = dynamic_cast<T*>(find(name));
        if (!object)
            missing(name);
        return *object;
    }

    void notifyChanged() { emit changed(); }

    // Counts the changes of what image some object shows, so that a renderer holding the images in a
    // texture of its own knows when to look for one it does not have.
    void noteImageChange() { ++m_imageChanges; }
    std::uint64_t imageChanges() const { return m_imageChanges; }

signals:
    // Something visible changed; the view repaints on the next frame.
    void changed();

private:
    [[noreturn]] static void missing(const QString& name);

    std::vector<std::unique_ptr<SceneObject>> m_objects;
    std::vector<SceneObject*> m_components;
    std::vector<std::unique_ptr<FloatAnimation>> m_animations;
    std::vector<FloatAnimation*> m_animationList;
    std::uint64_t m_imageChanges = 0;
};

} // namespace velmar::platform
