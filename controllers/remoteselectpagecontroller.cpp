#include "remoteselectpagecontroller.h"

#include "models/remoteentitiesmodel.h"
#include "models/remotesortfiltermodel.h"

RemoteSelectPageController::RemoteSelectPageController(QObject *parent)
    : Controller(parent)
{
}

void RemoteSelectPageController::setSelectedCount(int count)
{
    if (m_selectedCount == count)
        return;
    m_selectedCount = count;
    emit selectedCountChanged();
}

void RemoteSelectPageController::setHasEmptyFile(bool hasEmptyFile)
{
    if (m_hasEmptyFile == hasEmptyFile)
        return;
    m_hasEmptyFile = hasEmptyFile;
    emit hasEmptyFileChanged();
}

void RemoteSelectPageController::setEntitiesModel(RemoteSortFilterModel *model)
{
    if (m_model == model)
        return;
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    if (model) {
        connect(model, &QAbstractItemModel::modelReset, this, &RemoteSelectPageController::recount);
        connect(model, qOverload<>(&RemoteSortFilterModel::sourceModelChanged), this,
                &RemoteSelectPageController::watchSource);
    }
    emit entitiesModelChanged();
    watchSource();
}

void RemoteSelectPageController::watchSource()
{
    // A merge announces each run of rows that came or went; counting once
    // when it has ended keeps a large merge from walking the rows per run.
    disconnect(m_sourceConnection);
    if (m_model && m_model->remoteSourceModel())
        m_sourceConnection = connect(m_model->remoteSourceModel(), &RemoteEntitiesModel::structChanged, this,
                                     &RemoteSelectPageController::recount);
    recount();
}

void RemoteSelectPageController::recount()
{
    int count = 0;
    if (m_model) {
        for (int row = 0; row < m_model->rowCount(); ++row)
            count += m_model->index(row, 0).data(RemoteEntitiesModel::SelectedRole).toBool();
    }
    setSelectedCount(count);
    checkEmpty();
}

void RemoteSelectPageController::reverseSelection(int index)
{
    if (!m_model || index < 0 || index >= m_model->rowCount())
        return;
    const QModelIndex row = m_model->index(index, 0);
    const bool selected = !row.data(RemoteEntitiesModel::SelectedRole).toBool();
    if (m_model->setData(row, selected, RemoteEntitiesModel::SelectedRole))
        setSelectedCount(m_selectedCount + (selected ? 1 : -1));
    checkEmpty();
}

void RemoteSelectPageController::selectAll()
{
    setAll(true);
}

void RemoteSelectPageController::deselectAll()
{
    setAll(false);
}

void RemoteSelectPageController::setAll(bool selected)
{
    if (!m_model)
        return;
    for (int row = 0; row < m_model->rowCount(); ++row)
        m_model->setData(m_model->index(row, 0), selected, RemoteEntitiesModel::SelectedRole);
    setSelectedCount(selected ? m_model->rowCount() : 0);
    checkEmpty();
}

void RemoteSelectPageController::checkEmpty()
{
    bool empty = false;
    for (int row = 0; m_model && !empty && row < m_model->rowCount(); ++row) {
        const QModelIndex index = m_model->index(row, 0);
        empty = index.data(RemoteEntitiesModel::SelectedRole).toBool()
            && index.data(RemoteEntitiesModel::ElementTypeRole).toBool()
            && index.data(RemoteEntitiesModel::SizeRole).toInt() < 1;
    }
    setHasEmptyFile(empty);
}

QHash<int, QString> RemoteSelectPageController::selected(Kind kind) const
{
    QHash<int, QString> result;
    for (int row = 0; m_model && row < m_model->rowCount(); ++row) {
        const QModelIndex index = m_model->index(row, 0);
        const bool isFile = index.data(RemoteEntitiesModel::ElementTypeRole).toBool();
        if (!index.data(RemoteEntitiesModel::SelectedRole).toBool() || (kind == Kind::Files && !isFile)
            || (kind == Kind::Folders && isFile))
            continue;
        result.insert(index.data(RemoteEntitiesModel::IdRole).toInt(),
                      index.data(RemoteEntitiesModel::NameRole).toString());
    }
    return result;
}

QHash<int, QString> RemoteSelectPageController::getSelected() const
{
    return selected(Kind::Any);
}

QHash<int, QString> RemoteSelectPageController::getSelectedFiles() const
{
    return selected(Kind::Files);
}

QHash<int, QString> RemoteSelectPageController::getSelectedFolders() const
{
    return selected(Kind::Folders);
}

QList<int> RemoteSelectPageController::getSelectedFileIds() const
{
    return getSelectedFiles().keys();
}

QList<int> RemoteSelectPageController::getSelectedFolderIds() const
{
    return getSelectedFolders().keys();
}

QStringList RemoteSelectPageController::getSelectedFileNames() const
{
    return getSelectedFiles().values();
}

QStringList RemoteSelectPageController::getSelectedFolderNames() const
{
    return getSelectedFolders().values();
}
