#pragma once
// String lists: an ordered list of texts, each with an optional associated object (not owned).
// TStrings is the abstract list that controls expose (a memo's lines, a list box's items);
// TStringList keeps its texts itself and can be sorted.

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

#include "vexo/platform_export.h"

namespace vexo {

class VEXO_PLATFORM_EXPORT TStrings : public QObject {
    Q_OBJECT
public:
    explicit TStrings(QObject* parent = nullptr);
    ~TStrings() override;

    virtual int Count() const = 0;
    // Text at index; raises EListError outside 0 .. Count() - 1.
    virtual QString Get(int index) const = 0;
    virtual QObject* GetObject(int index) const;
    virtual void Put(int index, const QString& text);
    virtual void PutObject(int index, QObject* object);
    virtual void InsertObject(int index, const QString& text, QObject* object) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    QString Strings(int index) const { return Get(index); }
    QObject* Objects(int index) const { return GetObject(index); }
    virtual int Add(const QString& text);
    int AddObject(const QString& text, QObject* object);
    void Insert(int index, const QString& text) { InsertObject(index, text, nullptr); }
    void AddStrings(const TStrings& other);
    void AddStrings(const QStringList& texts);
    // Replaces the contents with the other list's texts and objects.
    virtual void Assign(const TStrings& other);
    void Exchange(int index1, int index2);
    void Move(int from, int to);

    // Searches in any letter case (TStringList may be case-sensitive); -1 when absent.
    virtual int IndexOf(const QString& text) const;
    int IndexOfName(const QString& name) const;
    int IndexOfObject(const QObject* object) const;

    // "name=value" lines: the part before the first "=" and the value of a name.
    QString Names(int index) const;
    QString Values(const QString& name) const;
    // An empty value deletes the line; a missing name is added.
    void SetValue(const QString& name, const QString& value);

    // Lines joined with "\n" after each line; setting splits at "\n", "\r\n" or "\r".
    QString Text() const;
    void SetText(const QString& text);
    QStringList ToStringList() const;
    bool Equals(const TStrings& other) const;

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

protected:
    // Called around changes; lists report changes only outside update brackets.
    virtual void SetUpdateState(bool updating);
    virtual bool CaseSensitiveCompare() const { return false; }

private:
    int updateCount_ = 0;
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

class VEXO_PLATFORM_EXPORT TStringList : public TStrings {
    Q_OBJECT
public:
    explicit TStringList(QObject* parent = nullptr);
    ~TStringList() override;

    int Count() const override { return int(items_.size()); }
    QString Get(int index) const override;
    QObject* GetObject(int index) const override;
    void Put(int index, const QString& text) override;
    void PutObject(int index, QObject* object) override;
    void InsertObject(int index, const QString& text, QObject* object) override;
    void Delete(int index) override;
    void Clear() override;
    // Sorted lists insert at the sorted place, handling duplicates as Duplicates says.
    int Add(const QString& text) override;
    int IndexOf(const QString& text) const override;

    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates duplicates) { duplicates_ = duplicates; }
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool caseSensitive);
    // Binary search in a sorted list: true when found; index is the match or the place where
    // the text belongs.
    bool Find(const QString& text, int& index) const;
    void Sort();

    std::function<void(QObject*)> OnChange;
    std::function<void(QObject*)> OnChanging;

protected:
    void SetUpdateState(bool updating) override;
    bool CaseSensitiveCompare() const override { return caseSensitive_; }

private:
    struct Item {
        QString text;
        QObject* object = nullptr;
    };
    int CompareTexts(const QString& a, const QString& b) const;
    void Changing();
    void Changed();
    void CheckIndex(int index) const;

    QList<Item> items_;
    bool sorted_ = false;
    bool caseSensitive_ = false;
    TDuplicates duplicates_ = dupIgnore;
};

} // namespace vexo
