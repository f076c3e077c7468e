#include "Scene.h"

namespace velmar::platform {

Scene::~Scene()
{
    // Animations first: stopping them must not reach objects already gone.
    m_animations.clear();
}

FloatAnimation& Scene::addAnimation(QString name, FloatAnimation::Apply apply)
{
    m_animations.push_back(std::make_unique<FloatAnimation>(std::move(name), std::move(apply)));
    m_animationList.push_back(m_animations.back().get());
    return *m_animations.back();
}

SceneObject* Scene::find(const QString& name) const
{
    for (SceneObject* object : m_components)
        if (object->name() == name)
            return object;
    return nullptr;
}

void Scene::missing(const QString& name)
{
    qFatal("Scene: no object of the asked kind is declared as \"%s\"", qPrintable(name));
}

FloatAnimation* Scene::findAnimation(const QString& name) const
{
    for (FloatAnimation* animation : m_animationList)
        if (animation->name() == name)
            return animation;
    return nullptr;
}

} // namespace velmar::platform
