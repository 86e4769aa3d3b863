// The document server stand-in's editor: shows the title and the text of the
// document the configuration names, and saves the edited text back through
// the same document address. Its state is readable from the page:
// #docserver-status carries data-state "loading", "ready", "saving", "saved"
// or "failed".
(function () {
    "use strict";

    function element(tag, id, text) {
        var node = document.createElement(tag);
        node.id = id;
        if (text !== undefined)
            node.textContent = text;
        return node;
    }

    function textAddress(documentUrl) {
        var address = new URL(documentUrl, window.location.href);
        address.searchParams.set("format", "txt");
        return address.toString();
    }

    function DocEditor(placeholderId, config) {
        var documentConfig = config.document || {};
        var editorConfig = config.editorConfig || {};
        var permissions = documentConfig.permissions || {};
        this.config = config;
        this.canEdit = permissions.edit === true && editorConfig.mode !== "view";
        this.loaded = false;

        var place = document.getElementById(placeholderId);
        this.title = element("h2", "docserver-title", documentConfig.title || "");
        this.status = element("p", "docserver-status");
        this.content = element("textarea", "docserver-content");
        this.content.rows = 20;
        this.content.style.width = "100%";
        this.saveButton = element("button", "docserver-save", "Save");
        this.saveButton.addEventListener("click", this.save.bind(this));
        place.appendChild(this.title);
        place.appendChild(this.status);
        place.appendChild(this.content);
        if (this.canEdit)
            place.appendChild(this.saveButton);
        window.DocsAPI.editors.push(this);
        this.load();
    }

    DocEditor.prototype.setState = function (state, text) {
        this.status.dataset.state = state;
        this.status.textContent = text;
        this.content.readOnly = !(this.canEdit && this.loaded);
        this.saveButton.disabled = this.content.readOnly || state === "saving";
    };

    DocEditor.prototype.request = function (method, body, done) {
        var editor = this;
        var xhr = new XMLHttpRequest();
        xhr.open(method, textAddress(this.config.document.url));
        xhr.onload = function () {
            if (xhr.status === 200)
                done(xhr.responseText);
            else
                editor.setState("failed", "The document server answered " + xhr.status);
        };
        xhr.onerror = function () {
            editor.setState("failed", "The document server cannot be reached");
        };
        if (body === null) {
            xhr.send();
        } else {
            xhr.setRequestHeader("Content-Type", "text/plain;charset=UTF-8");
            xhr.send(body);
        }
    };

    DocEditor.prototype.load = function () {
        var editor = this;
        this.setState("loading", "Opening the document");
        this.request("GET", null, function (text) {
            editor.content.value = text;
            editor.loaded = true;
            editor.setState("ready", editor.canEdit ? "Editing" : "Viewing");
        });
    };

    DocEditor.prototype.save = function () {
        var editor = this;
        this.setState("saving", "Saving");
        this.request("POST", this.content.value, function () {
            editor.setState("saved", "Saved");
        });
    };

    window.DocsAPI = { DocEditor: DocEditor, editors: [] };
})();
