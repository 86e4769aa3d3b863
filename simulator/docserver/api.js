// The document server stand-in's editor interface. DocEditor puts the editor
// (editor.html of this server) into the placeholder as a frame, as the real
// document server does, and mirrors what the frame reports: `state`
// ("loading", "ready", "saving", "saved" or "failed"), `title` and `text`.
// save(text) replaces the text in the frame and saves it.
(function () {
    "use strict";

    var apiPath = "/web-apps/apps/api/documents/api.js";
    var source = document.currentScript.src;
    var server = source.slice(0, source.indexOf(apiPath));
    var serverOrigin = new URL(server).origin;

    function DocEditor(placeholderId, config) {
        var documentConfig = config.document || {};
        var editorConfig = config.editorConfig || {};
        var permissions = documentConfig.permissions || {};
        var settings = {
            title: documentConfig.title || "",
            url: documentConfig.url || "",
            canEdit: permissions.edit === true && editorConfig.mode !== "view"
        };
        var editor = this;
        this.config = config;
        this.state = "loading";
        this.title = "";
        this.text = "";
        this.frame = document.createElement("iframe");
        this.frame.id = "docserver-frame";
        this.frame.style.cssText = "width: 100%; height: 100vh; border: 0;";
        this.frame.src = server + "/web-apps/apps/documenteditor/editor.html#" + encodeURIComponent(JSON.stringify(settings));
        window.addEventListener("message", function (event) {
            if (event.source !== editor.frame.contentWindow || event.origin !== serverOrigin)
                return;
            editor.state = event.data.state;
            editor.title = event.data.title;
            editor.text = event.data.text;
        });
        document.getElementById(placeholderId).appendChild(this.frame);
        window.DocsAPI.editors.push(this);
    }

    DocEditor.prototype.save = function (text) {
        this.frame.contentWindow.postMessage({ command: "save", text: text }, serverOrigin);
    };

    window.DocsAPI = { DocEditor: DocEditor, editors: [] };
})();
